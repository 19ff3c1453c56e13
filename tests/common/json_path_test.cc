#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/json_document.h"
#include "common/json_path.h"

namespace quillon {
namespace {

// Segments of a path written as "k:<key>" or "i:<index>".
std::vector<std::string> Segments(std::u16string_view path) {
  std::vector<std::string> out;
  JsonPathReader reader(path);
  JsonPathSegment segment;
  while (reader.Next(segment)) {
    std::string text = segment.is_index ? "i:" : "k:";
    if (segment.is_index) {
      text += std::to_string(segment.index);
    } else {
      text.append(segment.key.begin(), segment.key.end());
    }
    out.push_back(text);
  }
  return out;
}

TEST(JsonPath, SplitsKeysIndexesAndEscapes) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Segments(u""), V{});
  EXPECT_EQ(Segments(u"."), V{});
  EXPECT_EQ(Segments(u"Zones.S_1.f_datas"), (V{"k:Zones", "k:S_1", "k:f_datas"}));
  EXPECT_EQ(Segments(u"[0].name"), (V{"i:0", "k:name"}));
  EXPECT_EQ(Segments(u"data.list[2][0]"), (V{"k:data", "k:list", "i:2", "i:0"}));
  EXPECT_EQ(Segments(u"a\\.b"), V{"k:a.b"});
  EXPECT_EQ(Segments(u"a\\[1\\]\\\\"), V{"k:a[1]\\"});
  EXPECT_EQ(Segments(u"a\\b"), V{"k:a\\b"});  // other escapes stay as they are
  EXPECT_EQ(Segments(u"..a..b."), (V{"k:a", "k:b"}));
  EXPECT_EQ(Segments(u" a . b "), (V{"k: a ", "k: b "}));  // keys are never trimmed
  EXPECT_EQ(Segments(u"[ -3][x][+7]"), (V{"i:-3", "i:0", "i:7"}));
}

TEST(JsonPath, ReadModeResolvesWithoutChanging) {
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse(R"({"x":1,"y":2,"list":[{"name":"n0"},[5,6]],"a.b":"dot"})"));
  const std::string before = doc.ToText();
  EXPECT_EQ(doc.GetKey("[1]"), "y");
  EXPECT_EQ(doc.GetText("[1]"), "2");
  EXPECT_EQ(doc.GetCount("."), 4);
  EXPECT_EQ(doc.GetText("list[0].name"), "n0");
  EXPECT_EQ(doc.GetInt("list[1][1]"), 6);
  EXPECT_EQ(doc.GetText("a\\.b"), "dot");
  EXPECT_EQ(doc.GetKey(""), "");
  EXPECT_EQ(doc.GetKey("list[0]"), "");  // array elements have no key
  EXPECT_EQ(doc.GetKey("list[0].name"), "name");
  // Paths that do not resolve give the neutral values.
  for (const char* path : {"nope", "x.y", "x[0]", "list[2]", "list[-1]", "list[0][5]", "[9]"}) {
    EXPECT_EQ(doc.GetType(path), -1) << path;
    EXPECT_FALSE(doc.Exists(path)) << path;
    EXPECT_EQ(doc.GetText(path), "") << path;
    EXPECT_EQ(doc.ToText(path), "") << path;
    EXPECT_EQ(doc.GetCount(path), 0) << path;
    EXPECT_FALSE(doc.GetMember(path, "name").HasRoot()) << path;
  }
  EXPECT_TRUE(doc.Exists("list[1][0]"));
  EXPECT_TRUE(doc.Exists("."));
  EXPECT_FALSE(doc.Exists(""));
  EXPECT_EQ(doc.ToText(), before);
}

TEST(JsonPath, WriteModeCreatesAndConverts) {
  struct Case {
    const char* start;
    const char* path;
    const char* after;
  } cases[] = {
      {R"({"a":3})", "a.b", R"({"a":{"b":"v"}})"},
      {"{}", "[2]", R"([null,null,"v"])"},
      {R"({"a":{"x":1}})", "a[1]", R"({"a":[null,"v"]})"},  // an object is discarded
      {R"({"a":[1,2]})", "a.k", R"({"a":{"k":"v"}})"},
      {R"({"a":[1,2]})", "a[0]", R"({"a":["v",2]})"},
      {R"({"a":{"b":1,"c":2}})", "a[0]", R"({"a":["v"]})"},  // not the object's first member
      {R"({"z":1})", "y.list[1].k", R"({"z":1,"y":{"list":[null,{"k":"v"}]}})"},
      {"[1]", "", R"("v")"},
  };
  for (const auto& c : cases) {
    JsonDocument doc;
    ASSERT_TRUE(doc.Parse(c.start));
    EXPECT_TRUE(doc.SetString(c.path, "v")) << c.path;
    EXPECT_EQ(doc.ToText(), c.after) << c.start << " " << c.path;
  }
}

TEST(JsonPath, WritesFailWithoutRootOrOnNegativeIndexes) {
  JsonDocument empty;
  EXPECT_FALSE(empty.SetString("a", "v"));
  EXPECT_FALSE(empty.SetInt("", 1));
  EXPECT_FALSE(empty.GetPath("a").HasRoot());
  EXPECT_EQ(empty.GetType(""), -1);

  JsonDocument doc;
  ASSERT_TRUE(doc.Parse(R"({"a":{"b":1}})"));
  EXPECT_FALSE(doc.SetString("a.c[-1]", "v"));
  // What was created on the way stays.
  EXPECT_EQ(doc.ToText(), R"({"a":{"b":1,"c":null}})");
  // An index that would add an unbounded number of nulls fails instead of allocating.
  EXPECT_FALSE(doc.SetInt("a.c[2000000000]", 1));
  EXPECT_EQ(doc.ToText(), R"({"a":{"b":1,"c":[]}})");
}

TEST(JsonPath, GettersConvertByType) {
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse(R"({"s":"true","one":"1","num":" -42abc","i":2,"zero":0,"tiny":0.00000001,
      "r":-2.9,"t":true,"f":false,"n":null,"o":{},"a":[1],"big":4294967297,"huge":1e20,"sr":"2.5x"})"));
  struct Case {
    const char* path;
    int32_t as_int;
    bool as_bool;
    const char* text;
    const char* raw;
  } cases[] = {
      {"s", 0, false, "true", ""},
      {"one", 1, false, "1", ""},
      {"num", -42, false, " -42abc", ""},
      {"i", 2, true, "2", "2"},
      {"zero", 0, false, "0", "0"},
      {"tiny", 0, false, "0.00000001", "0.00000001"},
      {"r", -2, true, "-2.9", "-2.9"},
      {"t", 1, true, "true", "true"},
      {"f", 0, false, "false", "false"},
      {"n", 0, false, "", "null"},
      {"o", 0, false, "", ""},
      {"a", 0, false, "", ""},
      {"big", 1, true, "4294967297", "4294967297"},  // low 32 bits
      {"huge", INT32_MAX, true, "1e20", "1e20"},
      {"missing", 0, false, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(doc.GetInt(c.path), c.as_int) << c.path;
    EXPECT_EQ(doc.GetBool(c.path), c.as_bool) << c.path;
    EXPECT_EQ(doc.GetText(c.path), c.text) << c.path;
    EXPECT_EQ(doc.GetRawText(c.path), c.raw) << c.path;
  }
  EXPECT_EQ(doc.GetInt64("big"), 4294967297);
  EXPECT_EQ(doc.GetInt64("r"), -2);
  EXPECT_DOUBLE_EQ(doc.GetReal("sr"), 2.5);
  EXPECT_DOUBLE_EQ(doc.GetReal("t"), 1.0);
  EXPECT_DOUBLE_EQ(doc.GetReal("i"), 2.0);
  EXPECT_EQ(doc.GetReal("o"), 0.0);
  EXPECT_EQ(doc.GetType("r"), kJsonReal);
  EXPECT_EQ(doc.GetType("n"), kJsonNull);
  EXPECT_EQ(doc.GetType("a"), kJsonArray);
}

}  // namespace
}  // namespace quillon
