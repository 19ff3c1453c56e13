#include "common/qfp_file.h"

#include <gtest/gtest.h>

#include "common/hex_text.h"

namespace quillon {
namespace {

TEST(QfpFile, MarksAreTheGbkTexts) {
  EXPECT_EQ(kZoneBlockOpen, "[区服序号/]");
  EXPECT_EQ(kZoneBlockClose, "[/区服序号]");
  EXPECT_EQ(kWhitelistBlockOpen, "[白名单数据/]");
  EXPECT_EQ(kWhitelistBlockClose, "[/白名单数据]");
  EXPECT_EQ(kVerificationBlockOpen, "[反作弊数据/]");
  EXPECT_EQ(kVerificationBlockClose, "[/反作弊数据]");
}

TEST(QfpFile, FileIsUpperCaseHexOfThePayload) {
  const std::string payload = QfpPayloadText("3", "{}", "{\"k\":1}");
  EXPECT_EQ(payload, "[区服序号/]3[/区服序号],[白名单数据/]{}[/白名单数据],[反作弊数据/]{\"k\":1}[/反作弊数据]");
  const std::string file = QfpFileText("3", "{}", "{\"k\":1}");
  EXPECT_EQ(file, ToHexText(payload));
  EXPECT_EQ(file.find_first_not_of("0123456789ABCDEF"), std::string::npos);
}

TEST(QfpFile, DecodesUpperAndLowerCaseFiles) {
  const std::string whitelist = "{\"5C6D6F64735C\":{\"type\":1}}";
  const std::string verification = "{\"5C\":{\"fomrt\":\"反\\\\作\\\"弊\"}}";
  std::string file = QfpFileText("16", whitelist, verification);
  std::string lower = file;
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c);
  for (const std::string& text : {file, lower}) {
    QfpPayload payload;
    ASSERT_TRUE(DecodeQfpFile(text, payload));
    EXPECT_EQ(payload.zone, "16");
    EXPECT_EQ(payload.whitelist_json, whitelist);
    EXPECT_EQ(payload.verification_json, verification);
  }
}

TEST(QfpFile, OnlyAnEmptyOrMissingZoneBlockIsRejected) {
  struct Case {
    std::string file;
    bool accepted;
    std::string zone;
  } cases[] = {
      {ToHexText("[区服序号/][/区服序号],[白名单数据/]{}[/白名单数据],[反作弊数据/]{}[/反作弊数据]"), false, ""},
      {ToHexText("[白名单数据/]{}[/白名单数据],[反作弊数据/]{}[/反作弊数据]"), false, ""},
      {ToHexText("[区服序号/]5"), false, ""},  // unclosed
      {ToHexText("[区服序号/]0[/区服序号]"), true, "0"},
      {ToHexText("[区服序号/]not a number[/区服序号]"), true, "not a number"},
      {ToHexText("[反作弊数据/]{}[/反作弊数据][区服序号/]7[/区服序号]"), true, "7"},  // any order, no commas
      {"this is not hex text at all", false, ""},
      {"", false, ""},
      // The file is read up to its first zero byte, and so is the decoded payload.
      {ToHexText("[区服序号/]2[/区服序号]") + std::string("\0", 1) + "garbage", true, "2"},
      {ToHexText(std::string("[区服序号/]2") + std::string(1, '\0') + "[/区服序号]"), false, ""},
  };
  for (const auto& c : cases) {
    QfpPayload payload;
    payload.zone = "untouched";
    EXPECT_EQ(DecodeQfpFile(c.file, payload), c.accepted) << c.file;
    EXPECT_EQ(payload.zone, c.accepted ? c.zone : "untouched") << c.file;
  }
}

TEST(QfpFile, MissingJsonBlocksDecodeAsEmptyTexts) {
  QfpPayload payload;
  ASSERT_TRUE(DecodeQfpFile(ToHexText("[区服序号/]9[/区服序号],[白名单数据/]{}"), payload));
  EXPECT_EQ(payload.zone, "9");
  EXPECT_EQ(payload.whitelist_json, "");
  EXPECT_EQ(payload.verification_json, "");
}

}  // namespace
}  // namespace quillon
