// Keeps the library that holds this code loaded until the process ends.
//
// A thread of the plugin's own (the in-game monitor) must never have its code unloaded under
// it; pinning makes a host's unload request a no-op for this library.
#pragma once

namespace quillon::platform {

// Pins the module containing this function; idempotent. False when it cannot be pinned.
bool PinCurrentModule();

}  // namespace quillon::platform
