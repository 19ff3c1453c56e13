// The system's path form (GBK, "\" separators) as a UTF-16 path for the wide Win32 API.
#pragma once

#include <string>
#include <string_view>

#include "common/gbk_text.h"

namespace quillon::platform {

inline std::wstring WidePath(std::string_view path) {
  std::u16string u = GbkToUtf16(path);
  return std::wstring(u.begin(), u.end());
}

}  // namespace quillon::platform
