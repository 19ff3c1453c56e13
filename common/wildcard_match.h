// File-name wildcard matching, the same on every platform.
//
// Directory listings take every entry and filter the names with this matcher, so a pattern
// selects the same files on Windows and on Linux. A pattern is GBK text matched character by
// character (a double-byte character is one character, never split):
//   "*"  any run of characters, including none;
//   "?"  exactly one character (a double-byte character counts as one);
//   other characters match themselves, ASCII letters without regard to case; the bytes of a
//   double-byte character compare exactly.
// As on Windows, a pattern that ends in "." followed only by "*" also matches a name that ends
// where that "." would stand: "*.*" matches every name, "readme.*" matches "readme".
// There are no 8.3 short names: only the name itself is matched.
// An empty pattern matches nothing. Time is at most proportional to the product of the two
// lengths; nothing is allocated.
#pragma once

#include <string_view>

namespace quillon {

bool WildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace quillon
