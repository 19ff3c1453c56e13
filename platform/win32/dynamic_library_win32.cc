#include "platform/dynamic_library.h"

#include <windows.h>

namespace quillon::platform {

void* LoadSharedLibrary(const char* name) { return reinterpret_cast<void*>(::LoadLibraryA(name)); }

void* FindLibrarySymbol(void* library, const char* symbol) {
  if (library == nullptr) return nullptr;
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), symbol));
}

}  // namespace quillon::platform
