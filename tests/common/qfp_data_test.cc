#include "common/qfp_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/hex_text.h"
#include "common/qfp_file.h"

namespace quillon {
namespace {

TEST(QfpData, ChineseDirectoriesAndEscapedTextsSurviveWritingAndReading) {
  const std::vector<std::string> whitelist = {"\\.minecraft\\配置\\", "\\淺\\"};  // 淺 ends in 0x5C
  VerificationGroup group;
  group.directory = "\\.minecraft\\模组 文件\\";
  group.pattern = "*.jar|\\\"奇怪\"/*";
  group.all_match = true;
  group.amount = "2";
  JsonDocument files;
  files.Parse();
  files.SetString("[0].name", "a\\b\"c/反作弊.jar");
  files.SetInt64("[0].size", 5000000000LL);
  files.SetString("[0].fscode", "ec0405c5aef93e771cd80e0db180b88b");
  files.SetString("[1].name", "淺.jar");
  files.SetInt("[1].size", 0);
  files.SetString("[1].fscode", "74be16979710d4c4e7c6647856088456");
  group.files_json = files.ToText();

  const std::string file = QfpDataFileText("3", WhitelistDocument(whitelist), GroupListDocument({group}));
  QfpData data;
  ASSERT_TRUE(ReadQfpData(file, data));
  EXPECT_EQ(data.zone, "3");
  EXPECT_EQ(data.whitelist, whitelist);
  ASSERT_EQ(data.verification.size(), 1u);
  const VerificationGroup& read = data.verification[0];
  EXPECT_EQ(read.directory, group.directory);
  EXPECT_EQ(read.pattern, group.pattern);
  EXPECT_TRUE(read.all_match);
  EXPECT_FALSE(read.subdirectories);
  EXPECT_EQ(read.amount, "2");
  EXPECT_EQ(read.files_json, group.files_json);
  JsonDocument read_files;
  ASSERT_TRUE(read_files.Parse(read.files_json));
  EXPECT_EQ(read_files.GetText("[0].name"), "a\\b\"c/反作弊.jar");
  EXPECT_EQ(read_files.GetInt64("[0].size"), 5000000000LL);
  EXPECT_EQ(read_files.GetText("[1].name"), "淺.jar");
}

TEST(QfpData, LowerCaseFileReadsLikeUpperCase) {
  const std::string file = QfpDataFileText("7", WhitelistDocument({"\\配置\\"}), JsonDocument());
  std::string lower = file;
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c);
  ASSERT_NE(lower, file);
  QfpData upper_data, lower_data;
  ASSERT_TRUE(ReadQfpData(file, upper_data));
  ASSERT_TRUE(ReadQfpData(lower, lower_data));
  EXPECT_EQ(lower_data.zone, "7");
  EXPECT_EQ(lower_data.whitelist, upper_data.whitelist);
  EXPECT_EQ(lower_data.whitelist, std::vector<std::string>{"\\配置\\"});
}

TEST(QfpData, EmptyDocumentsAreWrittenAsEmptyObjects) {
  QfpPayload payload;
  ASSERT_TRUE(DecodeQfpFile(QfpDataFileText("5", JsonDocument(), WhitelistDocument({})), payload));
  EXPECT_EQ(payload.whitelist_json, "{}");
  EXPECT_EQ(payload.verification_json, "{}");
}

TEST(QfpData, OnlyTheZoneBlockIsValidated) {
  struct Case {
    std::string payload;
    bool accepted;
    size_t whitelist_groups;
  } cases[] = {
      // An empty zone block is rejected even when both JSON blocks are valid.
      {QfpPayloadText("", "{\"5C615C\":{\"type\":1}}", "{}"), false, 0},
      {QfpPayloadText("0", "{\"5C615C\":{\"type\":1}}", "{}"), true, 1},
      {QfpPayloadText("3", "not json", "{\"broken\":"), true, 0},
      {QfpPayloadText("3", "", ""), true, 0},
      {QfpPayloadText("3", "[\"5C615C\"]", "{}"), true, 0},  // an array root holds no groups
  };
  for (const auto& c : cases) {
    QfpData data;
    data.zone = "untouched";
    EXPECT_EQ(ReadQfpData(ToHexText(c.payload), data), c.accepted) << c.payload;
    EXPECT_EQ(data.whitelist.size(), c.whitelist_groups) << c.payload;
    if (!c.accepted) {
      EXPECT_EQ(data.zone, "untouched");
    }
  }
}

TEST(QfpData, ZoneTextIsCarriedNotInterpreted) {
  // A file made for zone 3 read while zone 5 is edited, then saved for zone 5.
  QfpData data;
  ASSERT_TRUE(ReadQfpData(QfpDataFileText("3", WhitelistDocument({"\\a\\"}), JsonDocument()), data));
  EXPECT_EQ(data.zone, "3");
  QfpData saved;
  ASSERT_TRUE(ReadQfpData(QfpDataFileText("5", WhitelistDocument(data.whitelist), GroupListDocument(data.verification)), saved));
  EXPECT_EQ(saved.zone, "5");
  EXPECT_EQ(saved.whitelist, data.whitelist);
}

}  // namespace
}  // namespace quillon
