// Trees a million levels deep are parsed, written, copied, merged and freed on a 1 MiB stack:
// no operation may recurse per nesting level.
#include <gtest/gtest.h>

#include <string>

#include "common/json_document.h"
#include "tests/support/small_stack_thread.h"

namespace quillon {
namespace {

constexpr int kDepth = 1000000;
constexpr size_t kStackBytes = 1 << 20;

std::string Nested(const std::string& open, const std::string& inner, const std::string& close) {
  std::string text;
  text.reserve((open.size() + close.size()) * kDepth + inner.size());
  for (int i = 0; i < kDepth; ++i) text += open;
  text += inner;
  for (int i = 0; i < kDepth; ++i) text += close;
  return text;
}

TEST(JsonDeep, MillionLevelsOnASmallStack) {
  for (const std::string& text : {Nested("[", "1", "]"), Nested("{\"a\":", "{}", "}")}) {
    bool parsed = false, written = false, cloned = false, merged = false;
    bool ran = testing::RunOnStackOf(kStackBytes, [&] {
      JsonDocument doc;
      parsed = doc.Parse(text);
      written = doc.ToText() == text;
      JsonDocument copy = doc.Clone();
      cloned = copy.ToText() == text;
      copy.Clear();
      // Merging a deep object into a deep object walks both trees together.
      if (doc.GetType("") == kJsonObject) {
        JsonDocument target;
        target.Parse(R"({"a":{"a":{}}})");
        merged = target.MergeText("", text, false, true) && target.GetCount("a.a") == 1;
      } else {
        merged = doc.Append("", doc) && doc.GetCount("") == 2;
      }
      doc.Clear();  // frees a million levels
    });
    ASSERT_TRUE(ran);
    EXPECT_TRUE(parsed);
    EXPECT_TRUE(written);
    EXPECT_TRUE(cloned);
    EXPECT_TRUE(merged);
  }
}

TEST(JsonDeep, UnclosedDeepTextFailsCleanly) {
  std::string text(kDepth, '[');
  bool failed = false;
  ASSERT_TRUE(testing::RunOnStackOf(kStackBytes, [&] {
    JsonDocument doc;
    int32_t code = 0, position = 0;
    failed = !doc.Parse(text, false, false, &code, &position) && code == kJsonUnclosed &&
             position == kDepth + 1 && doc.ToText() == "[]";
  }));
  EXPECT_TRUE(failed);
}

}  // namespace
}  // namespace quillon
