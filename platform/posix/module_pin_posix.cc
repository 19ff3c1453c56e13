#include "platform/module_pin.h"

#include <dlfcn.h>

namespace quillon::platform {

bool PinCurrentModule() {
  Dl_info info;
  if (::dladdr(reinterpret_cast<void*>(&PinCurrentModule), &info) == 0 || info.dli_fname == nullptr) return false;
  // RTLD_NODELETE on the already-loaded object keeps it mapped after every dlclose.
  return ::dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE) != nullptr;
}

}  // namespace quillon::platform
