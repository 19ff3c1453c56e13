#include <gtest/gtest.h>

#include <string>

#include "common/json_document.h"

namespace quillon {
namespace {

TEST(JsonWrite, BuildsADocumentThroughPaths) {
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse());
  EXPECT_EQ(doc.ToText(), "{}");
  EXPECT_TRUE(doc.SetString("a.b", "x/y"));
  EXPECT_TRUE(doc.SetInt("a.n", 5));
  EXPECT_TRUE(doc.SetBool("ok", 1));
  EXPECT_EQ(doc.ToText(), R"({"a":{"b":"x\/y","n":5},"ok":true})");
  EXPECT_EQ(doc.ToText("a"), R"({"b":"x\/y","n":5})");
  EXPECT_EQ(doc.ToText("a.b"), R"("x\/y")");
  EXPECT_EQ(doc.ToText("missing"), "");
}

TEST(JsonWrite, EscapesOnlyTheDefinedCharacters) {
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse());
  const std::u16string value = u"q\" s/ b\\ \b\t\n\r\f \x01 \u4e2d";
  ASSERT_TRUE(doc.SetStringW(u"k\"/", value));
  EXPECT_EQ(doc.ToTextW(), u"{\"k\\\"\\/\":\"q\\\" s\\/ b\\\\ \\b\\t\\n\\r\\f \x01 \u4e2d\"}");
  // Without escaping strings and keys are written raw, quotes included.
  EXPECT_EQ(doc.ToTextW(u"", false, false), u"{\"k\"/\":\"" + value + u"\"}");
  // Escaped output reads back to the same values.
  JsonDocument again;
  ASSERT_TRUE(again.ParseW(doc.ToTextW()));
  std::vector<std::u16string> keys;
  again.GetKeysW(u"", keys);
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0], u"k\"/");
  // (\n reads back as CR LF, after a CR as a lone LF: "\r\n"... stays.)
  EXPECT_EQ(again.GetTextW(u"[0]"), u"q\" s/ b\\ \b\t\r\n\r\f \x01 \u4e2d");
}

TEST(JsonWrite, IndentBreaksObjectMembersButNotArrays) {
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse(R"({"a":1,"b":[{"c":2},3],"d":{},"e":{"f":null}})"));
  EXPECT_EQ(doc.ToText("", true),
            "{\r\n"
            "\t\"a\":1,\r\n"
            "\t\"b\":[{\r\n"
            "\t\t\t\"c\":2\r\n"
            "\t\t},3],\r\n"
            "\t\"d\":{\r\n"
            "\t},\r\n"
            "\t\"e\":{\r\n"
            "\t\t\"f\":null\r\n"
            "\t}\r\n"
            "}");
  // Indented output reads back to the same document.
  JsonDocument again;
  ASSERT_TRUE(again.Parse(doc.ToText("", true)));
  EXPECT_EQ(again.ToText(), doc.ToText());
}

TEST(JsonWrite, BufferSizeDoesNotChangeTheText) {
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse(R"({"list":[1,2,3,"four",{"five":5}]})"));
  const std::string expected = doc.ToText();
  for (int32_t bytes : {-5, 0, 1, 2, 7, 1024, 1 << 30}) {
    EXPECT_EQ(doc.ToText("", false, true, bytes), expected) << bytes;
  }
}

TEST(JsonWrite, SetNumbersWriteTheirDecimalText) {
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse());
  doc.SetInt("i", -12);
  doc.SetInt64("l", INT64_MIN);
  doc.SetReal("r", 0.1);
  doc.SetReal("h", 1e300);
  doc.SetNull("z");
  EXPECT_EQ(doc.ToText(), R"({"i":-12,"l":-9223372036854775808,"r":0.1,"h":1e+300,"z":null})");
  EXPECT_DOUBLE_EQ(doc.GetReal("r"), 0.1);
  JsonDocument again;
  ASSERT_TRUE(again.Parse(doc.ToText()));
  EXPECT_EQ(again.GetReal("h"), 1e300);
  EXPECT_EQ(again.GetInt64("l"), INT64_MIN);
}

}  // namespace
}  // namespace quillon
