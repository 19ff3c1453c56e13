#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/envelope_codec.h"
#include "platform/files.h"
#include "tests/support/qfp_runner.h"
#include "tests/support/temp_tree.h"
#include "tools/qfp_cli.h"

namespace quillon::tools {
namespace {

using Result = testing::QfpResult;

Result RunTool(const std::vector<std::string>& arguments, const std::string& input = {}) {
  return testing::RunQfpTool(arguments, input);
}

TEST(QfpEnvelope, PackAndUnpackRoundTripThroughStreamsAndFiles) {
  std::string data = "{\"function\":{\"name\":\"出现违规文件\"}}";
  data += std::string(5000, 'x');
  data.push_back('\0');

  Result packed = RunTool({"pack"}, data);
  ASSERT_EQ(packed.status, kQfpSuccess) << packed.err;
  EXPECT_EQ(EnvelopeCodec().Unpack(packed.out), data);
  Result unpacked = RunTool({"unpack", "-"}, packed.out);
  ASSERT_EQ(unpacked.status, kQfpSuccess) << unpacked.err;
  EXPECT_EQ(unpacked.out, data);

  testing::TempTree dir;
  ASSERT_TRUE(platform::WriteWholeFile(dir.Path("数据.bin"), data));
  ASSERT_EQ(RunTool({"pack", "-o", dir.Path("块.bin"), dir.Path("数据.bin")}, "").status, kQfpSuccess);
  ASSERT_EQ(RunTool({"unpack", dir.Path("块.bin"), "--output", dir.Path("回.bin")}, "").status, kQfpSuccess);
  std::string back;
  ASSERT_TRUE(platform::ReadWholeFile(dir.Path("回.bin"), back));
  EXPECT_EQ(back, data);
}

TEST(QfpEnvelope, UnpackSaysWhyABlockIsRejected) {
  std::string corrupted = EnvelopeCodec().Pack("some data to envelope");
  corrupted[8] ^= 1;  // the CRC field
  struct Case {
    std::string block;
    UnpackStatus status;
  } cases[] = {
      {"short", UnpackStatus::kTooShort},
      {std::string(16, 'x'), UnpackStatus::kBadMagic},
      {corrupted, UnpackStatus::kCrcMismatch},
  };
  for (const auto& c : cases) {
    Result r = RunTool({"unpack"}, c.block);
    EXPECT_EQ(r.status, kQfpRejected);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(UnpackStatusName(c.status)), std::string::npos) << r.err;
  }
}

TEST(QfpEnvelope, RefusesEmptyInputMissingFilesAndBadUsage) {
  testing::TempTree dir;
  EXPECT_EQ(RunTool({"pack"}, "").status, kQfpRejected);
  EXPECT_EQ(RunTool({"unpack", dir.Path("missing")}, "").status, kQfpRejected);
  EXPECT_EQ(RunTool({"pack", "a", "b"}, "x").status, kQfpUsageError);
  EXPECT_EQ(RunTool({"pack", "-o"}, "x").status, kQfpUsageError);
  EXPECT_EQ(RunTool({"unpack", "--json"}, "x").status, kQfpUsageError);
  Result help = RunTool({"unpack", "--help"}, "");
  EXPECT_EQ(help.status, kQfpSuccess);
  EXPECT_NE(help.out.find("usage: qfp unpack"), std::string::npos);
}

}  // namespace
}  // namespace quillon::tools
