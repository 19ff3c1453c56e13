#include "common/gbk_text.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(GbkText, RoundTripsChineseAsciiAndSpecialSingleBytes) {
  // Literals are compiled to GBK: "淺" is 9C 5C, "設" is D4 4F.
  const std::string gbk = "D:\\淺\\設\\Quillon反作弊";
  EXPECT_EQ(std::string("\x9C\x5C", 2), std::string("淺"));
  std::u16string wide = GbkToUtf16(gbk);
  EXPECT_EQ(wide, u"D:\\淺\\設\\Quillon反作弊");
  EXPECT_EQ(Utf16ToGbk(wide), gbk);
  EXPECT_EQ(GbkToUtf16("\x80"), u"\u20AC");
  EXPECT_EQ(GbkToUtf16("\xFF"), u"\uF8F5");
  EXPECT_EQ(Utf16ToGbk(u"\u20AC\uF8F5"), "\x80\xFF");
}

TEST(GbkText, InvalidBytesConvertCharacterByCharacter) {
  struct Case {
    std::string gbk;
    std::u16string wide;
  } cases[] = {
      {"a\x81", u"a?"},                   // lone lead byte at the end
      {"\x81\x30" "b", u"?0b"},           // trail byte out of range: lead alone, then the rest
      {"\x81\x7F", u"?\x7F"},             // 0x7F is never a trail byte
      {std::string("x\0y", 3), std::u16string(u"x\0y", 3)},
  };
  for (const auto& c : cases) EXPECT_EQ(GbkToUtf16(c.gbk), c.wide);
}

TEST(GbkText, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf16ToGbk(u"\uAC00x\U0001F600y\xD800"), "?x??y?");
  std::string out = "kept";
  EXPECT_FALSE(Utf16ToGbkExact(u"a\uAC00", out));
  EXPECT_EQ(out, "kept");
  EXPECT_TRUE(Utf16ToGbkExact(u"作弊", out));
  EXPECT_EQ(out, "作弊");
}

TEST(GbkText, Utf8ConversionsHandleMalformedInput) {
  EXPECT_EQ(Utf8ToUtf16("a\xE4\xBD\x9C\xF0\x9F\x98\x80"), u"a作\U0001F600");
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF\xE4\xBD"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Utf16ToUtf8(u"作\U0001F600"), "\xE4\xBD\x9C\xF0\x9F\x98\x80");
  EXPECT_EQ(GbkToUtf8("淺"), "\xE6\xB7\xBA");
  EXPECT_EQ(Utf8ToGbk("\xE6\xB7\xBA"), "淺");
}

}  // namespace
}  // namespace quillon
