#include "common/wildcard_match.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

// Literals are compiled to GBK: "淺" is 9C 5C (trail byte "\"), "設" is D4 4F (trail byte "O").
TEST(WildcardMatch, MatchesByCharacterNotByByte) {
  struct Case {
    std::string pattern;
    std::string name;
    bool match;
  } cases[] = {
      // Plain wildcards and case.
      {"*.jar", "mod.jar", true},
      {"*.jar", "MOD.JAR", true},
      {"*.JAR", "mod.jar", true},
      {"*.jar", ".jar", true},
      {"*.jar", "mod.jar.bak", false},
      {"*.jar", "modjar", false},
      {"a*b*c", "aXXbYYc", true},
      {"a*b*c", "aXXbYY", false},
      {"*a*a*a*b", "aaaaaaaaaaaaaaaaaaaa", false},
      {"mod?.jar", "mod1.jar", true},
      {"mod?.jar", "mod.jar", false},
      {"*", "anything at all", true},
      {"", "a", false},
      {"", "", false},
      // "*.*" and a trailing ".*" also match names without that dot, as on Windows.
      {"*.*", "README", true},
      {"*.*", "a.b.c", true},
      {"*.*", ".hidden", true},
      {"readme.*", "readme", true},
      {"readme.*", "README.md", true},
      {"readme.**", "readme", true},
      {"readme.?", "readme", false},
      {".*", "readme", false},
      {".*", ".git", true},
      {"*.", "readme", false},
      // "?" is one whole double-byte character.
      {"?.jar", "淺.jar", true},
      {"??.jar", "淺.jar", false},
      {"?.jar", "淺淺.jar", false},
      {"??", "設淺", true},
      {"?", "\x81", true},  // a lone lead byte is one character
      // A trail byte is never a letter or a backslash of its own.
      {"*o*", "設", false},
      {"*O*", "設", false},
      {"*\\*", "淺", false},
      {"*\\", "a淺", false},
      {"設*", "設定.txt", true},
      {"設*", "\xD4\x6F定.txt", false},  // D4 6F is another character: trail bytes never fold case
      {"*O淺", "設淺", false},           // would match byte-wise: D4 [4F 9C 5C]
      {"*淺*", "a淺b", true},
      {"*淺", "淺\x9C", false},
      {"淺.*", "淺", true},
      // Pattern characters that are double-byte compare exactly, wherever they stand.
      {"設定.*", "設定", true},
      {"設定.jar", "設定.JAR", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.match) << "pattern '" << c.pattern << "' name '" << c.name << "'";
  }
}

TEST(WildcardMatch, LongInputsStayFast) {
  // Backtracking only to the last "*" keeps this quadratic at worst, never exponential.
  std::string name(4000, 'a');
  std::string pattern;
  for (int i = 0; i < 200; ++i) pattern += "*a";
  pattern += "*b";
  EXPECT_FALSE(WildcardMatch(pattern, name));
  name += 'b';
  EXPECT_TRUE(WildcardMatch(pattern, name));
}

}  // namespace
}  // namespace quillon
