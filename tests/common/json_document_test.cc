#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/json_document.h"

namespace quillon {
namespace {

JsonDocument Parsed(std::string_view text) {
  JsonDocument doc;
  EXPECT_TRUE(doc.Parse(text)) << text;
  return doc;
}

TEST(JsonDocument, CopiesAliasTheRootButParseGivesANewOne) {
  JsonDocument a = Parsed(R"({"k":1})");
  JsonDocument b = a;
  EXPECT_EQ(a.GetNode(), b.GetNode());
  EXPECT_TRUE(b.SetString("k", "changed"));
  EXPECT_EQ(a.GetText("k"), "changed");
  ASSERT_TRUE(b.Parse(R"({"other":2})"));
  EXPECT_EQ(a.ToText(), R"({"k":"changed"})");
  EXPECT_EQ(b.ToText(), R"({"other":2})");
  JsonDocument c;
  c = a;
  c = c;  // self-assignment keeps the root
  EXPECT_EQ(c.ToText(), R"({"k":"changed"})");
  JsonDocument moved = std::move(c);
  EXPECT_FALSE(c.HasRoot());  // NOLINT(bugprone-use-after-move): moved-from is empty
  EXPECT_EQ(moved.GetNode(), a.GetNode());
}

TEST(JsonDocument, ReturnedDocumentsAliasTheTree) {
  JsonDocument doc = Parsed(R"({"list":[{"n":1},{"n":2}],"obj":{"x":1}})");
  JsonDocument member = doc.GetMember("", "obj");
  JsonDocument element = doc.GetAt("list", 1);
  JsonDocument path = doc.GetPath("created.deep");
  ASSERT_TRUE(member.HasRoot() && element.HasRoot() && path.HasRoot());
  EXPECT_TRUE(member.SetInt("y", 2));
  EXPECT_TRUE(element.SetInt("n", 20));
  EXPECT_TRUE(path.SetBool("", true));
  EXPECT_EQ(doc.ToText(),
            R"({"list":[{"n":1},{"n":20}],"obj":{"x":1,"y":2},"created":{"deep":true}})");
  EXPECT_EQ(member.GetKey(""), "obj");
  EXPECT_EQ(doc.GetParent("list[1].n").ToText(), R"({"n":20})");
  EXPECT_FALSE(doc.GetParent("").HasRoot());
  std::vector<JsonDocument> children;
  EXPECT_EQ(doc.GetChildren("list", children), 2);
  EXPECT_TRUE(children[0].SetInt("n", 10));
  EXPECT_EQ(doc.GetInt("list[0].n"), 10);
  EXPECT_EQ(doc.GetAt("obj", 1).GetInt(""), 2);  // index on an object: member order
}

TEST(JsonDocument, DocumentInputsAreDeepCopies) {
  JsonDocument doc = Parsed(R"({"a":{"v":1}})");
  JsonDocument source = Parsed(R"({"w":[1,2]})");
  ASSERT_TRUE(doc.SetMember("", "b", source));
  ASSERT_TRUE(doc.Append("list", source));
  ASSERT_TRUE(doc.InsertAt("list", 0, JsonDocument::NewString("first")));
  ASSERT_TRUE(doc.SetAt("list", 3, JsonDocument::NewInt64(7)));
  EXPECT_TRUE(source.SetInt("w[0]", 100));  // the copies do not change
  EXPECT_EQ(doc.ToText(), R"({"a":{"v":1},"b":{"w":[1,2]},"list":["first",{"w":[1,2]},null,7]})");
  // A document can be copied into its own tree.
  ASSERT_TRUE(doc.SetMember("a", "self", doc));
  EXPECT_EQ(doc.ToText("a.self.a"), R"({"v":1})");
  EXPECT_EQ(doc.GetCount("a.self.a"), 1);
  // Clone is a deep copy too.
  JsonDocument clone = doc.Clone("b");
  EXPECT_TRUE(clone.SetInt("w[0]", 5));
  EXPECT_EQ(doc.GetInt("b.w[0]"), 1);
  EXPECT_EQ(clone.ToText(), R"({"w":[5,2]})");
  EXPECT_FALSE(doc.InsertAt("list", 9, source));
  EXPECT_FALSE(doc.SetMember("", "x", JsonDocument()));
}

TEST(JsonDocument, NewDocumentsHoldOneValue) {
  EXPECT_EQ(JsonDocument::NewObject().ToText(), "{}");
  EXPECT_EQ(JsonDocument::NewArray().ToText(), "[]");
  EXPECT_EQ(JsonDocument::NewNull().ToText(), "null");
  EXPECT_EQ(JsonDocument::NewBool(true).ToText(), "true");
  EXPECT_EQ(JsonDocument::NewString("区\"").ToText(), "\"区\\\"\"");
  EXPECT_EQ(JsonDocument::NewStringW(u"w").ToText(), "\"w\"");
  EXPECT_EQ(JsonDocument::NewInt64(-12).ToText(), "-12");
  EXPECT_EQ(JsonDocument::NewReal(2.5).ToText(), "2.5");
}

TEST(JsonDocument, ParseIntoChangesTheSharedNode) {
  JsonDocument doc = Parsed(R"({"inner":{"old":1}})");
  JsonDocument inner = doc.GetMember("", "inner");
  ASSERT_TRUE(inner.ParseInto(R"([1,2])"));
  EXPECT_EQ(doc.ToText(), R"({"inner":[1,2]})");
  int32_t code = 0;
  EXPECT_FALSE(inner.ParseInto("[1,", false, false, &code));
  EXPECT_EQ(code, kJsonUnclosed);
  EXPECT_EQ(doc.ToText(), R"({"inner":[]})");
  JsonDocument none;
  ASSERT_TRUE(none.ParseInto(R"({"a":1})"));
  EXPECT_EQ(none.GetInt("a"), 1);
}

TEST(JsonDocument, RemovesClearsAndDetaches) {
  JsonDocument doc = Parsed(R"({"a":1,"b":[1,2,3],"c":{"d":1},"s":"text","n":5,"t":true})");
  EXPECT_TRUE(doc.RemoveKey("", "a"));
  EXPECT_FALSE(doc.RemoveKey("", "a"));
  EXPECT_TRUE(doc.RemoveAt("b", 1));
  EXPECT_FALSE(doc.RemoveAt("b", 5));
  EXPECT_TRUE(doc.RemoveAt("", 0));  // the first member of an object
  EXPECT_EQ(doc.ToText(), R"({"c":{"d":1},"s":"text","n":5,"t":true})");
  for (const char* path : {"c", "s", "n", "t"}) EXPECT_TRUE(doc.ClearAt(path));
  EXPECT_EQ(doc.ToText(), R"({"c":{},"s":"","n":0,"t":false})");
  JsonDocument c = doc.GetMember("", "c");
  EXPECT_TRUE(c.Detach());
  EXPECT_FALSE(c.Detach());
  EXPECT_EQ(doc.ToText(), R"({"s":"","n":0,"t":false})");
  EXPECT_TRUE(c.SetInt("x", 1));  // the detached node lives on in its own document
  EXPECT_EQ(c.ToText(), R"({"x":1})");
  EXPECT_EQ(c.GetKey(""), "");
  // A removed member that someone still holds lives on, unlinked.
  JsonDocument s = doc.GetMember("", "s");
  EXPECT_TRUE(doc.RemoveKey("", "s"));
  EXPECT_TRUE(s.SetString("", "kept"));
  EXPECT_EQ(s.ToText(), R"("kept")");
  EXPECT_FALSE(s.GetParent("").HasRoot());
  doc.Clear();
  EXPECT_FALSE(doc.HasRoot());
  EXPECT_EQ(c.GetInt("x"), 1);
}

TEST(JsonDocument, MakeObjectAndMakeArrayKeepMatchingContainers) {
  JsonDocument doc = Parsed(R"({"o":{"k":1},"a":[1],"s":"x"})");
  EXPECT_TRUE(doc.MakeObject("o"));
  EXPECT_TRUE(doc.MakeArray("a"));
  EXPECT_TRUE(doc.MakeObject("s"));
  EXPECT_TRUE(doc.MakeArray("o"));
  EXPECT_EQ(doc.ToText(), R"({"o":[],"a":[1],"s":{}})");
}

TEST(JsonDocument, MergeTextMergesObjectsMemberByMember) {
  struct Case {
    const char* start;
    const char* path;
    const char* text;
    bool add_missing;
    bool ok;
    const char* after;
  } cases[] = {
      {R"({"a":1,"o":{"x":1,"y":{"z":1}}})", "", R"({"a":2,"o":{"y":{"z":3,"w":4}},"new":1})",
       false, true, R"({"a":2,"o":{"x":1,"y":{"z":3}}})"},
      {R"({"a":1,"o":{"x":1,"y":{"z":1}}})", "", R"({"a":2,"o":{"y":{"z":3,"w":4}},"new":1})",
       true, true, R"({"a":2,"o":{"x":1,"y":{"z":3,"w":4}},"new":1})"},
      // Not both objects: the parsed value replaces an object member in its place.
      {R"({"a":1,"o":{"x":1},"b":2})", "o", R"([1,2])", false, true, R"({"a":1,"o":[1,2],"b":2})"},
      {R"({"a":{"x":1}})", "a", R"("text")", false, true, R"({"a":"text"})"},
      {R"({"a":{"x":[1]}})", "", R"({"a":{"x":{"y":1}}})", false, true, R"({"a":{"x":{"y":1}}})"},
      // The root and array elements cannot be replaced.
      {R"({"a":1})", "", R"([1])", false, false, R"({"a":1})"},
      {R"([{"a":1},5])", "[1]", R"({"a":2})", true, false, R"([{"a":1},5])"},
      {R"([{"a":1},5])", "[0]", R"({"a":2})", true, true, R"([{"a":2},5])"},
      // A text that does not parse changes nothing.
      {R"({"a":1})", "b.c", R"({"a":)", true, false, R"({"a":1})"},
  };
  for (const auto& c : cases) {
    JsonDocument doc = Parsed(c.start);
    EXPECT_EQ(doc.MergeText(c.path, c.text, false, c.add_missing), c.ok) << c.start << c.text;
    EXPECT_EQ(doc.ToText(), c.after) << c.start << " + " << c.text;
  }
}

TEST(JsonDocument, MergeObjectAndAppendAllCopyEveryChild) {
  JsonDocument doc = Parsed(R"({"t":{"a":1,"b":{"x":1}},"l":[0],"s":"x"})");
  JsonDocument object = Parsed(R"({"b":{"y":2},"c":3})");
  JsonDocument array = Parsed(R"([1,{"z":2}])");
  EXPECT_TRUE(doc.MergeObject("t", object));
  EXPECT_TRUE(doc.AppendAll("l", array));
  EXPECT_TRUE(doc.AppendAll("s", array));
  EXPECT_FALSE(doc.MergeObject("t", array));
  EXPECT_FALSE(doc.AppendAll("l", object));
  object.SetInt("c", 30);
  array.SetInt("[0]", 10);
  EXPECT_EQ(doc.ToText(), R"({"t":{"a":1,"b":{"y":2},"c":3},"l":[0,1,{"z":2}],"s":[1,{"z":2}]})");
  // Merging a document into itself.
  EXPECT_TRUE(doc.AppendAll("l", doc.GetMember("", "l")));
  EXPECT_EQ(doc.ToText("l"), R"([0,1,{"z":2},0,1,{"z":2}])");
}

TEST(JsonDocument, InsertMemberPlacesNewKeys) {
  JsonDocument doc = Parsed(R"({"a":1,"b":2})");
  EXPECT_TRUE(doc.InsertMember("", 1, "mid", JsonDocument::NewInt64(9)));
  EXPECT_TRUE(doc.InsertMember("", 0, "b", JsonDocument::NewInt64(20)));  // replaces in place
  EXPECT_FALSE(doc.InsertMember("", 4, "late", JsonDocument::NewNull()));
  EXPECT_FALSE(doc.InsertMember("", -1, "neg", JsonDocument::NewNull()));
  EXPECT_EQ(doc.ToText(), R"({"a":1,"mid":9,"b":20})");
}

TEST(JsonDocument, SortsKeysAndChildren) {
  JsonDocument doc = Parsed(R"({"b":1,"B":2,"a":3,"c":{"z":1,"y":2},"l":[3,1,2]})");
  EXPECT_TRUE(doc.SortKeys(""));
  EXPECT_EQ(doc.ToText(), R"({"B":2,"a":3,"b":1,"c":{"z":1,"y":2},"l":[3,1,2]})");
  EXPECT_TRUE(doc.SortKeys("", true, true));
  EXPECT_EQ(doc.GetKey("[0]"), "l");
  EXPECT_EQ(doc.GetKey("[2]"), "B");  // equal ignoring case: stable
  EXPECT_EQ(doc.GetKey("[3]"), "b");
  EXPECT_EQ(doc.GetKey("[4]"), "a");
  EXPECT_EQ(doc.GetInt("b"), 1);  // lookup still works after reordering
  EXPECT_FALSE(doc.SortKeys("l"));
  auto by_value = [](const JsonNode& a, const JsonNode& b, void* descending) -> int32_t {
    int64_t d = a.IntValue() - b.IntValue();
    return static_cast<int32_t>(*static_cast<bool*>(descending) ? -d : d);
  };
  bool descending = false;
  EXPECT_TRUE(doc.SortWith("l", by_value, &descending));
  EXPECT_EQ(doc.ToText("l"), "[1,2,3]");
  descending = true;
  EXPECT_TRUE(doc.SortWith("", by_value, &descending));
  EXPECT_EQ(doc.GetKey("[0]"), "a");
  EXPECT_FALSE(doc.SortWith("l", nullptr, nullptr));
}

TEST(JsonDocument, GbkTwinsAgreeWithUtf16) {
  JsonDocument doc = Parsed("{\"区\":{\"名\":\"值\"}}");
  EXPECT_EQ(doc.GetTextW(u"区.名"), u"值");
  EXPECT_TRUE(doc.SetStringW(u"区.新", u"新值"));
  EXPECT_EQ(doc.GetText("区.新"), "新值");
  std::vector<std::string> keys;
  EXPECT_EQ(doc.GetKeys("区", keys), 2);
  EXPECT_EQ(keys, (std::vector<std::string>{"名", "新"}));
  EXPECT_EQ(doc.ToTextW(u"区"), u"{\"名\":\"值\",\"新\":\"新值\"}");
}

}  // namespace
}  // namespace quillon
