#include "common/hex_text.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(HexText, WritesTwoUpperCaseDigitsPerByte) {
  EXPECT_EQ(ToHexText(""), "");
  EXPECT_EQ(ToHexText(std::string("\x00\x0A\x5C\xFF", 4)), "000A5CFF");
  EXPECT_EQ(ToHexText("区服"), "C7F8B7FE");  // GBK bytes
}

TEST(HexText, ReadsPairsAndSkipsWhatIsNotAPair) {
  struct Case {
    std::string text;
    std::string bytes;
  } cases[] = {
      {"", ""},
      {"4142", "AB"},
      {"c7f8B7fE", "区服"},          // lower, upper and mixed case digits
      {"414", "A"},                  // a last odd character is ignored
      {"41ZZ42", "AB"},              // a pair that is not hexadecimal gives no byte
      {"4G41", "A"},                 // one bad digit spoils only its own pair
      {"0x41", "A"},                 // no prefix is understood
      {" 41 42", "B"},               // pairs are taken from the start, not re-synchronised
      {"-1+2", ""},
      {std::string("00", 2), std::string("\0", 1)},
  };
  for (const auto& c : cases) EXPECT_EQ(FromHexText(c.text), c.bytes) << c.text;
}

TEST(HexText, LowerCaseDigitsReadLikeUpperCase) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  std::string upper = ToHexText(all);
  std::string lower = upper;
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c);
  EXPECT_NE(upper, lower);
  EXPECT_EQ(FromHexText(upper), all);
  EXPECT_EQ(FromHexText(lower), all);
}

TEST(HexText, TextEndsAtTheFirstZeroByte) {
  EXPECT_EQ(TextBeforeZero(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(TextBeforeZero("abc"), "abc");
  EXPECT_EQ(TextBeforeZero(std::string("\0x", 2)), "");
}

}  // namespace
}  // namespace quillon
