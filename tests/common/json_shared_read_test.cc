// A parsed document published as an immutable snapshot is read by two threads at once (the
// launcher's host thread and its monitor). Reads must change nothing but reference counts;
// the thread sanitizer build checks that no read races with another.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "common/json_document.h"

namespace quillon {
namespace {

TEST(JsonSharedRead, TwoThreadsReadOneTree) {
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse(R"({"zone":{"S_1":{"enable":true,"files":{"0123":{"size":5,"path":"\\a"},
      "4567":{"size":7,"path":"\\b"}}}},"list":[1,2,3]})"));
  const JsonDocument& snapshot = doc;
  const std::string expected = snapshot.ToText();
  auto reader = [&](bool* ok) {
    bool good = true;
    for (int i = 0; i < 2000; ++i) {
      good &= snapshot.GetBool("zone.S_1.enable");
      good &= snapshot.GetInt("zone.S_1.files.4567.size") == 7;
      good &= snapshot.GetText("zone.S_1.files[0].path") == "\\a";
      good &= snapshot.GetCount("list") == 3;
      JsonDocument files = snapshot.GetMember("zone.S_1", "files");
      std::vector<JsonDocument> children;
      good &= files.GetChildren("", children) == 2;
      good &= children[1].GetKey("") == "4567";
      if (i % 100 == 0) good &= snapshot.ToText() == expected;
    }
    *ok = good;
  };
  bool first = false, second = false;
  std::thread a(reader, &first);
  std::thread b(reader, &second);
  a.join();
  b.join();
  EXPECT_TRUE(first);
  EXPECT_TRUE(second);
}

}  // namespace
}  // namespace quillon
