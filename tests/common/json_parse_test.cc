#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/json_document.h"

namespace quillon {
namespace {

// Parses text and returns the document written back (escape on), or the error as "E<code>@<pos>".
std::string ParseResult(std::string_view text, bool decode = false, bool scalars_off = false) {
  JsonDocument doc;
  int32_t code = 99;
  int32_t position = 99;
  bool ok = doc.Parse(text, decode, scalars_off, &code, &position);
  if (ok != (code == 0)) return "result and code disagree";
  if (!ok) {
    // On an error the root is left an empty object or array.
    std::string left = doc.ToText();
    if (left != "{}" && left != "[]") return "root not emptied: " + left;
    std::string error = "E";
    error += std::to_string(code);
    error += "@";
    error += std::to_string(position);
    return error;
  }
  if (position != 0) return "position set on success";
  return doc.ToText();
}

TEST(JsonParse, AcceptsStandardAndLenientForms) {
  struct Case {
    const char* text;
    const char* written;
  } cases[] = {
      {"", "{}"},
      {" \t\r\n", "{}"},
      {"{}", "{}"},
      {"[]", "[]"},
      {R"({"a":1,"b":[true,false,null],"c":{"d":"e"}})",
       R"({"a":1,"b":[true,false,null],"c":{"d":"e"}})"},
      {" { \"a\" : 1 , \"b\" : [ 1 , 2 ] } ", R"({"a":1,"b":[1,2]})"},
      // Single quotes, trailing commas.
      {R"({'a':'b',"k":[1,2,],})", R"({"a":"b","k":[1,2]})"},
      {R"({"q":'say "hi"'})", R"({"q":"say \"hi\""})"},
      // A comma missing after a nested container.
      {R"({"a":{}"b":1})", R"({"a":{},"b":1})"},
      {"[[1] 2]", "[[1],2]"},
      {"[[1][2]]", "E-4@4"},  // but a container may not follow one directly
      // Empty values in arrays add nothing.
      {"[1,,2,]", "[1,2]"},
      // A repeated key replaces the earlier value in the earlier position.
      {R"({"a":1,"b":2,"a":3})", R"({"a":3,"b":2})"},
      // Unquoted keys.
      {"{ key : \"v\" }", R"({"key":"v"})"},
      // Numbers keep their literal text.
      {R"({"n":1.50})", R"({"n":1.50})"},
      {"[+3,-0,1e5,.5,1E-2,007]", "[+3,-0,1e5,.5,1E-2,007]"},
      // A text that is not a container is one scalar value.
      {"42", "42"},
      {"  \"s\"  ", "\"s\""},
      {"true", "true"},
      {"null", "null"},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseResult(c.text), c.written) << c.text;
  // NUL counts as a blank outside tokens.
  EXPECT_EQ(ParseResult(std::string_view("[1,\0 2]", 7)), "[1,2]");
}

TEST(JsonParse, ReportsErrorCodesAndPositions) {
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"[1,2", "E-5@5"},          // unclosed: text length + 1
      {R"({"a":[1)", "E-5@8"},
      {R"({"a":1,"b")", "E-5@11"},
      {R"({"a":})", "E-6@5"},     // key without value
      {R"({"a"})", "E-6@4"},
      {"{a}", "E-6@2"},
      {R"({"a" 1})", "E-4@5"},    // something other than ":" after a key
      {"{:1}", "E-4@1"},          // empty key
      {R"({a"b":1})", "E-4@2"},   // quote after unquoted key characters
      {"{{}}", "E-4@1"},          // container where a key belongs
      {R"({"a":{}{}})", "E-4@7"},
      {"[1 {}]", "E-6@3"},        // container after value characters
      {R"(["abc])", "E-6@1"},     // unterminated string
      {R"("abc)", "E-6@0"},
      {"[tru]", "E-6@1"},         // unrecognised literal
      {"[1.2.3]", "E-6@1"},
      {"[1e5e]", "E-6@1"},
      {R"(["a"b])", "E-6@1"},     // text after the closing quote
      {"abc", "E-6@0"},
      {"  x", "E-6@2"},
      {R"({"a":1}})", "E-6@7"},   // nothing may follow the top-level value
      {"[]{}", "E-6@2"},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseResult(c.text), c.error) << c.text;
}

TEST(JsonParse, ScalarsOffRefusesScalarTexts) {
  EXPECT_EQ(ParseResult("5", false, true), "E-6@0");
  EXPECT_EQ(ParseResult("[5]", false, true), "[5]");
  EXPECT_EQ(ParseResult("", false, true), "{}");
}

TEST(JsonParse, FailedParseLeavesTheContainerEmpty) {
  JsonDocument doc;
  EXPECT_FALSE(doc.Parse("[1,2"));
  EXPECT_EQ(doc.GetType(""), kJsonArray);
  EXPECT_EQ(doc.GetCount(""), 0);
  EXPECT_FALSE(doc.Parse(R"({"a":{"b":[1,2,3]},"c":})"));
  EXPECT_EQ(doc.GetType(""), kJsonObject);
  EXPECT_EQ(doc.GetCount(""), 0);
}

TEST(JsonParse, ParseWithoutTextResetsToAnEmptyObject) {
  JsonDocument doc;
  EXPECT_FALSE(doc.HasRoot());
  EXPECT_EQ(doc.ToText(), "");
  ASSERT_TRUE(doc.Parse(R"([1,2])"));
  ASSERT_TRUE(doc.Parse());
  EXPECT_EQ(doc.ToText(), "{}");
}

TEST(JsonParse, UnescapesStringsAndKeys) {
  struct Case {
    const char* text;       // one-member object
    std::u16string key;
    std::u16string value;
  } cases[] = {
      // \n is CR LF, except after a CR and at the very start of a key.
      {R"({"k":"a\nb"})", u"k", u"a\r\nb"},
      {R"({"k":"\r\n"})", u"k", u"\r\n"},
      {R"({"k":"\n"})", u"k", u"\r\n"},
      {"{\"k\":\"a\r\\nb\"}", u"k", u"a\r\nb"},  // a raw CR before the escape
      {R"({"\nk":1})", u"\nk", u"1"},
      {R"({"k\n":1})", u"k\r\n", u"1"},
      {R"({"k":"\\ \/ \" \b\t\f"})", u"k", u"\\ / \" \b\t\f"},
      // Any other escaped character keeps its backslash.
      {R"({"k":"C:\mods\x.jar"})", u"k", u"C:\\mods\\x.jar"},
      {R"({"k":"it\'s"})", u"k", u"it\\'s"},
      // \u stays as written unless decoding is asked for.
      {R"({"k":"\u4e2d"})", u"k", u"\\u4e2d"},
      // A "\u" without four hexadecimal digits takes no more than its digits.
      {R"({"k":"\u12"})", u"k", u"\\u12"},
      {R"({"a\"b":"x"})", u"a\"b", u"x"},
  };
  for (const auto& c : cases) {
    JsonDocument doc;
    ASSERT_TRUE(doc.Parse(c.text)) << c.text;
    std::vector<std::u16string> keys;
    ASSERT_EQ(doc.GetKeysW(u"", keys), 1) << c.text;
    EXPECT_EQ(keys[0], c.key) << c.text;
    EXPECT_EQ(doc.GetTextW(u"[0]"), c.value) << c.text;
  }
  JsonDocument decoded;
  ASSERT_TRUE(decoded.Parse(R"({"k":"\u4e2d\u0041\u12"})", true));
  EXPECT_EQ(decoded.GetTextW(u"k"), u"\u4e2dA\\u12");
}

TEST(JsonParse, NewlineEscapesRoundTripAsCrLf) {
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse(R"({"s":"a\nb"})"));
  EXPECT_EQ(doc.GetText("s"), "a\r\nb");
  EXPECT_EQ(doc.ToText(), R"({"s":"a\r\nb"})");
}

TEST(JsonParse, KeepsNumberLiteralsAndReadsTheirValues) {
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse(R"({"n":1.50,"p":+3,"e":-2.5e3,"big":99999999999999999999,"x":1e999})"));
  EXPECT_EQ(doc.ToText(), R"({"n":1.50,"p":+3,"e":-2.5e3,"big":99999999999999999999,"x":1e999})");
  EXPECT_EQ(doc.GetText("n"), "1.50");
  EXPECT_EQ(doc.GetInt("n"), 1);
  EXPECT_DOUBLE_EQ(doc.GetReal("n"), 1.5);
  EXPECT_EQ(doc.GetType("p"), kJsonInteger);
  EXPECT_EQ(doc.GetInt("p"), 3);
  EXPECT_EQ(doc.GetType("e"), kJsonReal);
  EXPECT_EQ(doc.GetInt64("e"), -2500);
  EXPECT_EQ(doc.GetInt64("big"), INT64_MAX);  // saturates
  EXPECT_EQ(doc.GetInt64("x"), INT64_MAX);
}

TEST(JsonParse, ChineseKeysAndValuesInGbk) {
  // "淺" is 9C 5C in GBK: its second byte is a backslash.
  const std::string text = "{\"区服\":{\"名称\":\"一区\",\"淺\":\"設\\\\\"},\"列表\":[\"甲\",\"乙\"]}";
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse(text));
  EXPECT_EQ(doc.GetText("区服.名称"), "一区");
  EXPECT_EQ(doc.GetText("区服.淺"), "設\\");
  EXPECT_EQ(doc.GetText("列表[1]"), "乙");
  EXPECT_EQ(doc.GetKey("区服[1]"), "淺");
  EXPECT_EQ(doc.ToText(), text);
  EXPECT_TRUE(doc.SetString("区服.新", "淺設"));
  EXPECT_EQ(doc.ToText("区服"), "{\"名称\":\"一区\",\"淺\":\"設\\\\\",\"新\":\"淺設\"}");
}

TEST(JsonParse, DeepNestingGrowsTheStack) {
  for (const auto& [open, close] : {std::pair{"[", "]"}, std::pair{"{\"a\":", "}"}}) {
    std::string text;
    for (int i = 0; i < 3000; ++i) text += open;
    text += "1";
    for (int i = 0; i < 3000; ++i) text += close;
    JsonDocument doc;
    ASSERT_TRUE(doc.Parse(text));
    EXPECT_EQ(doc.ToText(), text);
  }
}

}  // namespace
}  // namespace quillon
