#include "platform/dynamic_library.h"

#include <dlfcn.h>

namespace quillon::platform {

void* LoadSharedLibrary(const char* name) { return ::dlopen(name, RTLD_NOW | RTLD_LOCAL); }

void* FindLibrarySymbol(void* library, const char* symbol) {
  if (library == nullptr) return nullptr;
  return ::dlsym(library, symbol);
}

}  // namespace quillon::platform
