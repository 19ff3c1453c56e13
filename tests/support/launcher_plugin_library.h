// The real launcher plugin library, loaded by its file name through its five exports as a host
// loads it (LoadLibraryA with the GBK file name and stdcall calls on Windows; dlopen on Linux).
// One instance per process: the library keeps its state between tests.
#pragma once

#include <cstdint>
#include <string>

#include "platform/abi.h"

namespace quillon::testing {

struct LauncherPluginLibrary {
  using AppInfoFn = const char*(QUILLON_STDCALL*)(const char*);
  using AppStartFn = int32_t(QUILLON_STDCALL*)(int32_t);
  using MenuFn = void(QUILLON_STDCALL*)(void);
  using EventsFn = int32_t(QUILLON_STDCALL*)(const char*, const char*);
  using ScDatasFn = void(QUILLON_STDCALL*)(const uint8_t*, int32_t);

  void* library = nullptr;
  AppInfoFn appinfo = nullptr;
  AppStartFn appstart = nullptr;
  MenuFn menu = nullptr;
  EventsFn events = nullptr;
  ScDatasFn scdatas = nullptr;

  bool ok() const { return appinfo && appstart && menu && events && scdatas; }
  void Deliver(const std::string& block) const {
    scdatas(reinterpret_cast<const uint8_t*>(block.data()), static_cast<int32_t>(block.size()));
  }
};

// The loaded library (loaded on first use).
const LauncherPluginLibrary& LauncherPlugin();

}  // namespace quillon::testing
