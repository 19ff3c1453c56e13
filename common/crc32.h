// CRC-32 as zlib computes it (CRC-32/ISO-HDLC: reflected polynomial 0xEDB88320, initial value
// and final XOR 0xFFFFFFFF). The CRC of "123456789" is 0xCBF43926.
//
// The envelope between the plugins carries this value for the unpacked data so that a block
// damaged on the way is dropped. Pure function, no state: safe from any thread.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillon {

// The CRC-32 of data, continuing from crc (the CRC of the bytes before data; 0 to start), so
// that Crc32(b, Crc32(a)) == Crc32(a + b), as with zlib's crc32().
uint32_t Crc32(std::string_view data, uint32_t crc = 0);

}  // namespace quillon
