// Reception of the server's blocks: the client data package, the kick message and the
// client-settings request.
//
// A block is unpacked with the CRC check and read as text up to its first zero byte; a block
// that does not unpack or is none of the three messages is ignored without a word. The client
// data package is read into a new zone data snapshot aside and published at once when complete;
// while it is being read, an empty snapshot is published so that a check running in between
// (the reading lets window events run after each zone) finds the plugin not initialised.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillon::launcher {

// Handles one block from the server.
void ReceiveServerBlock(const uint8_t* data, size_t length);

// Reads a client data package (the JSON text between its marks) into zone data and publishes
// it; an empty text leaves the zone data as it was.
void ReceiveClientPackage(std::string_view text);

// The routine handed to the host's main thread by a client-settings request: it opens the zone
// picker (for now it fetches the host's zone list, as the picker does).
void OpenZonePicker();

}  // namespace quillon::launcher
