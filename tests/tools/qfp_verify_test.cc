#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/qfp_data.h"
#include "common/verification_data.h"
#include "launcher_plugin/fingerprint.h"
#include "platform/console.h"
#include "platform/files.h"
#include "tests/support/qfp_runner.h"
#include "tests/support/temp_tree.h"
#include "tools/qfp_cli.h"

namespace quillon::tools {
namespace {

using Result = testing::QfpResult;

Result Verify(const std::vector<std::string>& arguments) {
  std::vector<std::string> all = {"verify"};
  all.insert(all.end(), arguments.begin(), arguments.end());
  return testing::RunQfpTool(all);
}

// A client with protected mods (one of them in a Chinese-named subfolder) and a whitelisted
// config folder, and a verification data file made from it with b.jar left unrecorded.
class QfpVerifyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    client_.File("client\\.minecraft\\mods\\a.jar", "abc");
    client_.File("client\\.minecraft\\mods\\模组\\c.jar", "ccc");
    client_.File("client\\.minecraft\\config\\x.cfg", "anything");
    root_ = client_.Path("client");

    std::string files = "[";
    for (const char* name : {"a.jar", "模组\\c.jar"}) {
      int64_t size = 0;
      const std::string fscode = launcher::Fingerprint(root_ + "\\.minecraft\\mods\\" + name, size);
      if (files.size() > 1) files += ",";
      files += "{\"name\":\"x\",\"size\":" + std::to_string(size) + ",\"fscode\":\"" + fscode + "\"}";
    }
    files += "]";
    VerificationGroup mods;
    mods.directory = "\\.minecraft\\mods\\";
    mods.pattern = "*.jar";
    mods.all_match = true;
    mods.subdirectories = true;
    mods.amount = "2";
    mods.files_json = files;
    VerificationGroup config;
    config.directory = "\\.minecraft\\config\\";
    config.pattern = "*.*";
    config.amount = "0";
    qfp_ = client_.Path("Quillon反作弊数据_3.QFP");
    ASSERT_TRUE(platform::WriteWholeFile(qfp_, QfpDataFileText("3", WhitelistDocument({"\\.minecraft\\config\\"}),
                                                               GroupListDocument({mods, config}))));
  }

  testing::TempTree client_;
  std::string root_;
  std::string qfp_;
};

TEST_F(QfpVerifyTest, PassesAMatchingClientWhateverTheRootsTrailingSeparator) {
  for (const std::string& root : {root_, root_ + "\\", root_ + "/"}) {
    Result r = Verify({qfp_, "--root", root});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, platform::ConsoleText("pass\n"));
    EXPECT_EQ(r.err, "");
  }
  // The root may come first.
  EXPECT_EQ(Verify({"--root", root_, qfp_}).status, 0);
}

TEST_F(QfpVerifyTest, ReportsTheFirstViolationOnTwoLines) {
  client_.File("client\\.minecraft\\mods\\模组\\b.jar", "bbb");
  int64_t size = 0;
  const std::string fscode = launcher::Fingerprint(root_ + "\\.minecraft\\mods\\模组\\b.jar", size);

  // The full-match count is checked first.
  Result r = Verify({qfp_, "--root", root_});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, platform::ConsoleText("文件数据发生异常: 3\n数量不一致 - 3\n"));

  client_.Remove("client\\.minecraft\\mods\\a.jar");
  r = Verify({qfp_, "--root", root_});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, platform::ConsoleText("未被允许的文件: b.jar\nb.jar # " + fscode + "\n"));
}

TEST_F(QfpVerifyTest, BadInputIsStatusTwo) {
  const std::string not_qfp = client_.Path("not.QFP");
  ASSERT_TRUE(platform::WriteWholeFile(not_qfp, "not hex at all"));
  const std::vector<std::vector<std::string>> cases = {
      {},
      {qfp_},
      {"--root", root_},
      {qfp_, "--root"},
      {qfp_, "--root", root_, "--root", root_},
      {qfp_, qfp_, "--root", root_},
      {qfp_, "--root", root_, "--json"},
      {client_.Path("missing.QFP"), "--root", root_},
      {not_qfp, "--root", root_},
      {qfp_, "--root", client_.Path("no such client")},
  };
  for (const auto& arguments : cases) {
    Result r = Verify(arguments);
    EXPECT_EQ(r.status, 2) << ::testing::PrintToString(arguments);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");
  }
  Result help = Verify({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("usage: qfp verify"), std::string::npos);
}

}  // namespace
}  // namespace quillon::tools
