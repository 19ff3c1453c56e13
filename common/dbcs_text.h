// Byte-level text operations on GBK texts that never split a double-byte character.
//
// GBK trail bytes include "\" (0x5C) and ASCII letters ("淺" is 9C 5C), so a plain byte search
// would find a backslash or a letter inside a Chinese character. These helpers walk the text
// character by character: a lead byte (0x81..0xFE) followed by another byte is one character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon {

// Byte length of the character that starts at text[pos] (1 or 2; 1 for a lone lead byte at
// the end of the text).
size_t GbkCharLength(std::string_view text, size_t pos);

// Position of the last "\" that is a character of its own, or npos.
size_t FindLastBackslash(std::string_view text);

// Position of the first occurrence of needle at or after from, starting on a character
// boundary and comparing ASCII letters without regard to case; npos when none.
// An empty needle is never found.
size_t FindNoCase(std::string_view text, std::string_view needle, size_t from = 0);

// text with every non-overlapping occurrence of needle (found as FindNoCase finds it)
// replaced by replacement, scanning left to right.
std::string ReplaceAllNoCase(std::string_view text, std::string_view needle, std::string_view replacement);

// text with every occurrence of needle removed (ReplaceAllNoCase with an empty replacement).
inline std::string RemoveAllNoCase(std::string_view text, std::string_view needle) {
  return ReplaceAllNoCase(text, needle, {});
}

// ASCII lower-casing that leaves double-byte characters (including their trail bytes) alone.
std::string AsciiLowerGbk(std::string_view text);

}  // namespace quillon
