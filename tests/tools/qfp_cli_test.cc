#include "tools/qfp_cli.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/console.h"
#include "platform/files.h"
#include "tests/support/qfp_runner.h"
#include "tests/support/temp_tree.h"

namespace quillon::tools {
namespace {

using Result = testing::QfpResult;

Result RunTool(const std::vector<std::string>& arguments, const std::string& input = {}) {
  return testing::RunQfpTool(arguments, input);
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(QfpCli, UsageAndHelp) {
  struct Case {
    std::vector<std::string> arguments;
    int status;
    bool usage_on_out;
  } cases[] = {
      {{}, kQfpUsageError, false},
      {{"--help"}, kQfpSuccess, true},
      {{"frobnicate"}, kQfpUsageError, false},
      {{"fingerprint", "--help"}, kQfpSuccess, true},
      {{"fingerprint"}, kQfpUsageError, false},
      {{"fingerprint", "--json", "x"}, kQfpUsageError, false},
  };
  for (const auto& c : cases) {
    Result r = RunTool(c.arguments);
    EXPECT_EQ(r.status, c.status) << (c.arguments.empty() ? "" : c.arguments[0]);
    EXPECT_EQ(Contains(r.out, "usage: qfp"), c.usage_on_out);
    EXPECT_EQ(r.err.empty(), c.status == kQfpSuccess);
  }
}

TEST(QfpCli, FingerprintPrintsOneLinePerFileAndNeverCreatesMissingOnes) {
  testing::TempTree dir;
  const std::string abc = dir.Path("abc.jar");
  const std::string chinese = dir.Path("模组 文件.jar");
  const std::string missing = dir.Path("不存在.jar");
  ASSERT_TRUE(platform::WriteWholeFile(abc, "abc"));
  ASSERT_TRUE(platform::WriteWholeFile(chinese, ""));

  Result r = RunTool({"fingerprint", abc, missing, chinese, dir.Root()});
  EXPECT_EQ(r.status, kQfpRejected);
  EXPECT_EQ(r.out, platform::ConsoleText("ec0405c5aef93e771cd80e0db180b88b\t3\t" + abc + "\n" +
                                         "74be16979710d4c4e7c6647856088456\t0\t" + chinese + "\n"));
  EXPECT_TRUE(Contains(r.err, platform::ConsoleText("no such file: " + missing)));
  EXPECT_TRUE(Contains(r.err, platform::ConsoleText("cannot open " + dir.Root())));
  EXPECT_FALSE(platform::FileExists(missing));

  r = RunTool({"fingerprint", "--", abc});
  EXPECT_EQ(r.status, kQfpSuccess);
  EXPECT_EQ(r.err, "");
}

}  // namespace
}  // namespace quillon::tools
