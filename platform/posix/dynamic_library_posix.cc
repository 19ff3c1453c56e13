#include "platform/dynamic_library.h"

#include <dlfcn.h>

#include "common/gbk_text.h"

namespace quillon::platform {

void* LoadSharedLibrary(const char* name) {
  // File names on disk are UTF-8; the name comes in the system's GBK form.
  return ::dlopen(GbkToUtf8(name).c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* FindLibrarySymbol(void* library, const char* symbol) {
  if (library == nullptr) return nullptr;
  return ::dlsym(library, symbol);
}

}  // namespace quillon::platform
