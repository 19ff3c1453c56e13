#include "common/verification_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

VerificationGroup Group(std::string directory, std::string pattern, bool all_match, bool subdirectories,
                        std::string amount, std::string files_json) {
  VerificationGroup group;
  group.directory = std::move(directory);
  group.pattern = std::move(pattern);
  group.all_match = all_match;
  group.subdirectories = subdirectories;
  group.amount = std::move(amount);
  group.files_json = std::move(files_json);
  return group;
}

// Two identical files in \a\ and a group without files in \b\.
std::vector<VerificationGroup> SampleGroups() {
  return {Group("\\a\\", "*.jar", true, false, "2",
                "[{\"name\":\"x.jar\",\"size\":3,\"fscode\":\"f1\"},{\"name\":\"y.jar\",\"size\":4,\"fscode\":\"f1\"}]"),
          Group("\\b\\", "*.*", false, true, "0", "")};
}

TEST(VerificationData, GroupListFormPutsFilesFirst) {
  EXPECT_EQ(GroupListDocument(SampleGroups()).ToText(),
            "{\"5C615C\":{\"files\":[{\"name\":\"x.jar\",\"size\":3,\"fscode\":\"f1\"},"
            "{\"name\":\"y.jar\",\"size\":4,\"fscode\":\"f1\"}],\"type\":0,\"fomrt\":\"*.jar\","
            "\"set_allmumber\":true,\"set_subfile\":false,\"amount\":2},"
            "\"5C625C\":{\"files\":{},\"type\":0,\"fomrt\":\"*.*\",\"set_allmumber\":false,\"set_subfile\":true,"
            "\"amount\":0}}");
}

TEST(VerificationData, FingerprintIndexFormHasOneMemberPerFingerprint) {
  const std::string expected =
      "{\"5C615C\":{\"files\":{\"f1\":{\"size\":\"4\"}},\"type\":0,\"fomrt\":\"*.jar\","
      "\"set_allmumber\":true,\"set_subfile\":false,\"amount\":2},"
      "\"5C625C\":{\"type\":0,\"fomrt\":\"*.*\",\"set_allmumber\":false,\"set_subfile\":true,\"amount\":0}}";
  EXPECT_EQ(FingerprintIndexDocument(SampleGroups()).ToText(), expected);

  // The same from a document in the generator's member order, "files" last.
  JsonDocument generated;
  ASSERT_TRUE(generated.Parse(
      "{\"5C615C\":{\"type\":0,\"fomrt\":\"*.jar\",\"set_allmumber\":true,\"set_subfile\":false,\"amount\":2,"
      "\"files\":[{\"name\":\"x.jar\",\"size\":3,\"fscode\":\"f1\"},{\"name\":\"y.jar\",\"size\":4,\"fscode\":\"f1\"}]},"
      "\"5C625C\":{\"type\":0,\"fomrt\":\"*.*\",\"set_allmumber\":false,\"set_subfile\":true,\"amount\":0}}"));
  EXPECT_EQ(FingerprintIndexForm(generated).ToText(), expected);
}

TEST(VerificationData, FingerprintsAreMemberNamesNotPaths) {
  std::vector<VerificationGroup> groups = {
      Group("\\c\\", "*", false, false, "3",
            "[{\"name\":\"n\",\"size\":1,\"fscode\":\"a.b[0]\"},{\"name\":\"m\",\"size\":2,\"fscode\":\"\"},"
            "{\"name\":\"k\",\"size\":5,\"fscode\":\"ReadFileError_1704135845067\"}]")};
  JsonDocument index = FingerprintIndexDocument(groups);
  EXPECT_EQ(index.ToText("5C635C.files"), "{\"a.b[0]\":{\"size\":\"1\"},\"ReadFileError_1704135845067\":{\"size\":\"5\"}}");
  EXPECT_EQ(index.GetInt("5C635C.amount"), 3);
}

TEST(VerificationData, ReadsGroupsInMemberOrder) {
  JsonDocument list;
  ASSERT_TRUE(list.Parse(
      "{\"5CC4A3D7E95C\":{\"type\":0,\"fomrt\":\"a\\\\b|\\\"q\\\"\",\"set_allmumber\":false,\"set_subfile\":true,"
      "\"amount\":1,\"files\":[{\"name\":\"n\",\"size\":1,\"fscode\":\"f\"}]},"
      "\"5C615C\":{\"type\":0,\"fomrt\":\"*\",\"set_allmumber\":true,\"set_subfile\":false,\"amount\":0}}"));
  std::vector<VerificationGroup> groups = VerificationGroups(list);
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].directory, "\\模组\\");
  EXPECT_EQ(groups[0].pattern, "a\\b|\"q\"");
  EXPECT_FALSE(groups[0].all_match);
  EXPECT_TRUE(groups[0].subdirectories);
  EXPECT_EQ(groups[0].amount, "1");
  EXPECT_EQ(groups[0].files_json, "[{\"name\":\"n\",\"size\":1,\"fscode\":\"f\"}]");
  EXPECT_EQ(groups[1].directory, "\\a\\");
  EXPECT_EQ(groups[1].files_json, "");
}

TEST(VerificationData, NonObjectRootsGiveNoGroups) {
  for (const char* text : {"[1,2]", "5", "\"text\"", "{\"a\":"}) {
    JsonDocument document;
    document.Parse(text);
    EXPECT_TRUE(WhitelistDirectories(document).empty()) << text;
    EXPECT_TRUE(VerificationGroups(document).empty()) << text;
  }
  EXPECT_TRUE(WhitelistDirectories(JsonDocument()).empty());
}

TEST(VerificationData, WhitelistRoundTrip) {
  const std::vector<std::string> directories = {"\\.minecraft\\配置\\", "\\淺\\"};
  JsonDocument whitelist = WhitelistDocument(directories);
  EXPECT_EQ(whitelist.ToText(), "{\"5C2E6D696E6563726166745CC5E4D6C35C\":{\"type\":1},\"5C9C5C5C\":{\"type\":1}}");
  EXPECT_EQ(WhitelistDirectories(whitelist), directories);
}

}  // namespace
}  // namespace quillon
