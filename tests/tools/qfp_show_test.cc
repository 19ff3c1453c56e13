#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/qfp_data.h"
#include "platform/console.h"
#include "platform/files.h"
#include "tests/support/temp_tree.h"
#include "tools/qfp_cli.h"

namespace quillon::tools {
namespace {

int Show(const std::vector<std::string>& arguments, std::string& out, std::string& err) {
  QfpIo io;
  std::vector<std::string> all = {"show"};
  all.insert(all.end(), arguments.begin(), arguments.end());
  const int status = RunQfp(all, io);
  out = io.out;
  err = io.err;
  return status;
}

TEST(QfpShow, ShowsZoneGroupsFlagsAndFiles) {
  testing::TempTree dir;
  const std::string path = dir.Path("Quillon反作弊数据_3.QFP");
  VerificationGroup group;
  group.directory = "\\.minecraft\\模组\\";
  group.pattern = "*.jar";
  group.subdirectories = true;
  group.amount = "1";
  group.files_json = "[{\"name\":\"反作弊.jar\",\"size\":3,\"fscode\":\"ec0405c5aef93e771cd80e0db180b88b\"}]";
  ASSERT_TRUE(platform::WriteWholeFile(
      path, QfpDataFileText("3", WhitelistDocument({"\\.minecraft\\配置\\"}), GroupListDocument({group}))));

  std::string out, err;
  ASSERT_EQ(Show({path}, out, err), kQfpSuccess) << err;
  EXPECT_EQ(out, platform::ConsoleText("zone: 3\n"
                                       "whitelist groups: 1\n"
                                       "  \\.minecraft\\配置\\\n"
                                       "verification groups: 1\n"
                                       "  \\.minecraft\\模组\\\n"
                                       "    pattern: *.jar\n"
                                       "    all files must match: no\n"
                                       "    subdirectories: yes\n"
                                       "    amount: 1\n"
                                       "    files: 1\n"
                                       "      ec0405c5aef93e771cd80e0db180b88b\t3\t反作弊.jar\n"));

  ASSERT_EQ(Show({"--json", path}, out, err), kQfpSuccess);
  EXPECT_EQ(out, platform::ConsoleText("{\"5C2E6D696E6563726166745CC5E4D6C35C\":{\"type\":1}}\n" +
                                       GroupListDocument({group}).ToText() + "\n"));
}

TEST(QfpShow, RejectsFilesWithoutAZoneAndReportsMissingOnes) {
  testing::TempTree dir;
  const std::string bad = dir.Path("bad.QFP");
  ASSERT_TRUE(platform::WriteWholeFile(bad, "not a verification data file"));
  std::string out, err;
  for (bool json : {false, true}) {
    std::vector<std::string> arguments = {bad};
    if (json) arguments.insert(arguments.begin(), "--json");
    EXPECT_EQ(Show(arguments, out, err), kQfpRejected);
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find("zone block"), std::string::npos) << err;
  }
  EXPECT_EQ(Show({dir.Path("missing.QFP")}, out, err), kQfpRejected);
  EXPECT_NE(err.find("no such file"), std::string::npos);
  EXPECT_EQ(Show({}, out, err), kQfpUsageError);
  EXPECT_EQ(Show({bad, bad}, out, err), kQfpUsageError);
  EXPECT_EQ(Show({"--help"}, out, err), kQfpSuccess);
  EXPECT_NE(out.find("usage: qfp show"), std::string::npos);
}

}  // namespace
}  // namespace quillon::tools
