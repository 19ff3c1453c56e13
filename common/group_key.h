// Group keys: the member name under which a path group is stored in whitelist and verification
// data.
//
// A group key is the hex text (common/hex_text.h) of the bytes of the group's directory text, a
// GBK path relative to the game client's root that begins and ends with "\" (for example
// "\.Minecraft\libraries\"). Keys therefore never need JSON escaping.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// The group key of a directory text.
std::string GroupKey(std::string_view directory);

// The directory text a group key stands for: the decoded bytes up to their first zero byte.
std::string GroupDirectory(std::string_view group_key);

}  // namespace quillon
