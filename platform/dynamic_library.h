// Run-time binding of shared libraries by name.
//
// LoadSharedLibrary uses the system's normal search (dlopen with the bare name, so
// LD_LIBRARY_PATH applies; LoadLibraryA on Windows). Handles are kept for the process's life:
// host libraries are never unloaded by the plugins.
#pragma once

namespace quillon::platform {

// The library's handle, or nullptr when it cannot be loaded. name is GBK (the POSIX build
// converts it to the UTF-8 file name; Windows passes it to LoadLibraryA).
void* LoadSharedLibrary(const char* name);

// The address of the exported symbol, or nullptr.
void* FindLibrarySymbol(void* library, const char* symbol);

}  // namespace quillon::platform
