#include <gtest/gtest.h>

#include <string>

#include "common/json_document.h"
#include "common/json_node.h"

namespace quillon {
namespace {

std::string MemberKey(int i) {
  std::string key = "k";
  key += std::to_string(i);
  return key;
}

std::string IndexPath(int i) {
  std::string path = "[";
  path += std::to_string(i);
  path += "]";
  return path;
}

TEST(JsonNode, KeyHashRunsOverTheBytesFromLastToFirst) {
  EXPECT_EQ(JsonKeyHash(u""), 0u);
  // "a" is 61 00: 0 * 31 + 0x00, then * 31 + 0x61.
  EXPECT_EQ(JsonKeyHash(u"a"), 0x61u);
  // "ab" is 61 00 62 00, taken as 00 62 00 61.
  EXPECT_EQ(JsonKeyHash(u"ab"), ((0x62u * 31) * 31) + 0x61u);
  // "中" is 2D 4E: 0x4E then 0x2D.
  EXPECT_EQ(JsonKeyHash(u"\u4e2d"), 0x4Eu * 31 + 0x2Du);
  // Wraps around at 32 bits.
  std::u16string long_key(40, u'\xFFFF');
  uint32_t expected = 0;
  for (int i = 0; i < 80; ++i) expected = expected * 31 + 0xFF;
  EXPECT_EQ(JsonKeyHash(long_key), expected);
}

TEST(JsonNode, ManyMembersKeepOrderThroughGrowthReplacementAndRemoval) {
  // Enough members to rebuild the table several times (11, 23, 47, ... buckets).
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse());
  const int count = 2000;
  for (int i = 0; i < count; ++i) ASSERT_TRUE(doc.SetInt(MemberKey(i), i));
  for (int i = 0; i < count; i += 2) ASSERT_TRUE(doc.SetInt(MemberKey(i), -i));
  for (int i = 0; i < count; i += 3) ASSERT_TRUE(doc.RemoveKey("", MemberKey(i)));
  int position = 0;
  for (int i = 0; i < count; ++i) {
    std::string key = MemberKey(i);
    if (i % 3 == 0) {
      EXPECT_FALSE(doc.Exists(key)) << key;
      continue;
    }
    EXPECT_EQ(doc.GetInt(key), i % 2 == 0 ? -i : i) << key;
    EXPECT_EQ(doc.GetKey(IndexPath(position++)), key);
  }
  EXPECT_EQ(doc.GetCount(""), position);
  // Keys compare exactly: case and length matter.
  ASSERT_TRUE(doc.SetInt("K1", 5));
  EXPECT_EQ(doc.GetInt("k1"), 1);
  EXPECT_EQ(doc.GetInt("K1"), 5);
}

TEST(JsonNode, ReferencesKeepNodesAliveUntilTheLastRelease) {
  JsonNode* node = nullptr;
  {
    JsonDocument doc;
    ASSERT_TRUE(doc.Parse(R"({"a":{"b":1}})"));
    JsonDocument a = doc.GetMember("", "a");
    node = a.GetNode();
    EXPECT_EQ(node->RefCount(), 2);  // the container and the alias
    JsonDocument attached;
    attached.AttachNode(node);
    EXPECT_EQ(node->RefCount(), 3);
    doc.Clear();  // frees the root; a lives on through the two documents
    EXPECT_EQ(node->RefCount(), 2);
    EXPECT_EQ(node->Parent(), nullptr);
    EXPECT_EQ(attached.ToText(), R"({"b":1})");
  }
  // (ASan's leak checker verifies that everything was freed.)
}

}  // namespace
}  // namespace quillon
