// The launcher plugin's logic behind its five exports.
//
// The exports (exports.cc) turn the host's arguments into safe values and catch everything;
// these functions do the work. Texts are GBK.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quillon::launcher {

// Keeps the plugin's directory, fills the plugin information and returns its JSON text; the
// pointer stays valid until the next call or until the library is unloaded.
const char* AppInfo(const char* plugin_dir);

// Derives the game client's root directory from the plugin's directory. Always 1.
int32_t AppStart();

// Dispatches a host event; returns 0, 1 or 2.
int32_t Events(const char* event_name, const char* event_json);

// Takes a block the server plugin sent.
void ScDatas(const uint8_t* data, size_t length);

}  // namespace quillon::launcher
