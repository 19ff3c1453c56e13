#include "common/group_key.h"

#include "common/hex_text.h"

namespace quillon {

std::string GroupKey(std::string_view directory) { return ToHexText(directory); }

std::string GroupDirectory(std::string_view group_key) {
  return std::string(TextBeforeZero(FromHexText(group_key)));
}

}  // namespace quillon
