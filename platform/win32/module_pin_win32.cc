#include "platform/module_pin.h"

#include <windows.h>

namespace quillon::platform {

bool PinCurrentModule() {
  HMODULE module = nullptr;
  return ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                              reinterpret_cast<LPCWSTR>(&PinCurrentModule), &module) != 0;
}

}  // namespace quillon::platform
