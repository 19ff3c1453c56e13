#include "common/dbcs_text.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

// "淺" is 9C 5C (its trail byte is a backslash); "設" is D4 4F (its trail byte is "O");
// The literals below are compiled to GBK.
TEST(DbcsText, LastBackslashSkipsTrailBytes) {
  struct Case {
    std::string text;
    size_t expected;
  } cases[] = {
      {"", std::string::npos},
      {"淺", std::string::npos},
      {"a\\b", 1},
      {"a\\淺", 1},
      {"\\淺淺", 0},
      {"x\\y\\", 3},
      {"\x81", std::string::npos},  // a lone lead byte at the end
  };
  for (const auto& c : cases) EXPECT_EQ(FindLastBackslash(c.text), c.expected) << c.text;
}

TEST(DbcsText, FindNoCaseMatchesOnlyWholeCharacters) {
  struct Case {
    std::string text, needle;
    size_t expected;
  } cases[] = {
      {"ABC", "abc", 0},
      {"xMiNeCrAfT", "minecraft", 1},
      {"設", "O", std::string::npos},      // the trail byte "O" is not a letter of its own
      {"設", "o", std::string::npos},
      {"淺\\", "\\", 2},                   // the backslash inside "淺" is skipped
      {"a設o", "O", 3},
      {"反作弊", "作", 2},
      {"abc", "", std::string::npos},
      {"ab", "abc", std::string::npos},
  };
  for (const auto& c : cases) EXPECT_EQ(FindNoCase(c.text, c.needle), c.expected) << c.text << " / " << c.needle;
}

TEST(DbcsText, FindNoCaseDoesNotStartInsideACharacter) {
  // "\x9C\\x" holds "淺" then "x": searching "\\x" must not match the trail byte of "淺".
  EXPECT_EQ(FindNoCase("淺x", "\\x"), std::string::npos);
  // A needle whose last byte would be a lead byte of the text does not match either.
  EXPECT_EQ(FindNoCase("a淺", std::string("a\x9C")), std::string::npos);
}

TEST(DbcsText, ReplaceAndRemoveAll) {
  EXPECT_EQ(RemoveAllNoCase("a\\X\\b\\x\\c", "\\x\\"), "abc");
  EXPECT_EQ(ReplaceAllNoCase("設O設o", "o", "-"), "設-設-");
  EXPECT_EQ(ReplaceAllNoCase("aaa", "aa", "b"), "ba");
  EXPECT_EQ(AsciiLowerGbk("ABC設O"), "abc設o");
}

}  // namespace
}  // namespace quillon
