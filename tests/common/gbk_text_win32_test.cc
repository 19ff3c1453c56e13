// Our code page 936 converter against Windows' own (MultiByteToWideChar / WideCharToMultiByte).
#include <windows.h>

#include <gtest/gtest.h>

#include "common/gbk_text.h"

namespace quillon {
namespace {

std::u16string WindowsDecode(const std::string& gbk) {
  wchar_t buffer[16];
  int n = ::MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), buffer, 16);
  return std::u16string(buffer, buffer + (n > 0 ? n : 0));
}

std::string WindowsEncode(const std::u16string& text, DWORD flags = 0) {
  char buffer[64];
  int n = ::WideCharToMultiByte(936, flags, reinterpret_cast<const wchar_t*>(text.data()),
                                static_cast<int>(text.size()), buffer, sizeof buffer, nullptr, nullptr);
  return std::string(buffer, n > 0 ? n : 0);
}

TEST(GbkTextWindows, EveryDoubleByteCodeDecodesAndEncodesLikeWindows) {
  int checked = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      std::u16string expected = WindowsDecode(code);
      ASSERT_EQ(GbkToUtf16(code), expected) << std::hex << lead << trail;
      ASSERT_EQ(Utf16ToGbk(expected), WindowsEncode(expected)) << std::hex << lead << trail;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 126 * 190);
}

TEST(GbkTextWindows, SingleBytesAndUnmappableCharactersLikeWindows) {
  for (int b = 0; b <= 0xFF; ++b) {
    if (b >= 0x81 && b <= 0xFE) continue;  // lead bytes need a trail byte
    std::string one(1, static_cast<char>(b));
    EXPECT_EQ(GbkToUtf16(one), WindowsDecode(one)) << b;
  }
  // Hangul, Cyrillic-extended, Arabic, Thai, symbols and a supplementary-plane character have
  // no GBK form: both converters give the default character.
  const std::u16string unmappable[] = {u"\uAC00", u"\u0500", u"\u0627", u"\u0E01", u"\u2603", u"\U0001F600"};
  for (const auto& text : unmappable) {
    EXPECT_EQ(Utf16ToGbk(text), WindowsEncode(text, WC_NO_BEST_FIT_CHARS)) << static_cast<int>(text[0]);
  }
}

}  // namespace
}  // namespace quillon
