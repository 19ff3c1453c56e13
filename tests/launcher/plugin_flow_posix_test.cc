// The player side end to end through the real CP-Quillon反作弊.so with the stand-in host: real
// waits, real detached message programs (QUILLON_MSGBOX points at a script that records its
// arguments), blocks packed and unpacked as they travel.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "common/envelope_codec.h"
#include "common/gbk_text.h"
#include "common/json_document.h"
#include "tests/support/hostcli_client.h"
#include "tests/support/launcher_plugin_library.h"
#include "tests/support/temp_tree.h"
#include "host_sim/reference_zone.h"

namespace quillon::testing {
namespace {

using namespace host_sim;  // the server side of the flow

class PluginFlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host.ok());
    ASSERT_TRUE(plugin.ok());
    host.Reset();
    // The message program: records its three arguments, one line per box.
    marker = client.Native("boxes.txt");
    client.File("msgbox.sh", "#!/bin/sh\nprintf '%s|%s|%s\\n' \"$1\" \"$2\" \"$3\" >> \"$0.txt\"\n");
    std::filesystem::rename(client.Native("msgbox.sh"), client.Native("boxes"));
    std::filesystem::permissions(client.Native("boxes"), std::filesystem::perms::owner_all);
    setenv("QUILLON_MSGBOX", client.Native("boxes").c_str(), 1);

    client.File(".Minecraft\\mods\\优化模组.jar", "optimisation mod");
    client.File(".Minecraft\\mods\\淺設\\地图.jar", "map mod");
    // The host gives the plugin directory with "/" separators on Linux.
    std::string plugin_dir = client.Root() + "\\.Minecraft\\.Quillon\\Ver.5.0\\Plugin_File\\Quillon反作弊\\";
    for (char& c : plugin_dir) {
      if (c == '\\') c = '/';
    }
    plugin.appinfo(plugin_dir.c_str());
    ASSERT_EQ(plugin.appstart(0), 1);
  }
  void TearDown() override { unsetenv("QUILLON_MSGBOX"); }

  int32_t Ready(const std::string& character, const std::string& zone) {
    std::string json = "{\"数据_角色名字\":\"" + character + "\",\"数据_区服序号\":\"" + zone + "\"}";
    return plugin.events("launcher_mineclient_ready", json.c_str());
  }

  // The texts of the blocks sent to the server since the last reset.
  std::vector<std::string> Sent() const {
    std::vector<std::string> texts;
    for (int i = host.FindCall("launcher_function_sendsocketdata"); i >= 0;
         i = host.FindCall("launcher_function_sendsocketdata", i + 1)) {
      EXPECT_EQ(host.CallArg(i, 0), "Quillon反作弊");
      texts.push_back(EnvelopeCodec().Unpack(host.CallBlock(i)));
    }
    return texts;
  }

  // The message boxes shown so far (waits a little for the detached program).
  std::vector<std::string> Boxes(size_t expected) const {
    std::vector<std::string> lines;
    for (int attempt = 0; attempt < 200; ++attempt) {
      lines.clear();
      std::ifstream in(marker);
      for (std::string line; std::getline(in, line);) lines.push_back(line);
      if (lines.size() >= expected) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return lines;
  }

  TempTree client;
  HostcliClient host;
  const LauncherPluginLibrary& plugin = LauncherPlugin();
  std::filesystem::path marker;
};

TEST_F(PluginFlowTest, PlayerSideFromPackageToRefusedStart) {
  // Before any package: refused, the server is asked again, the player is told.
  EXPECT_EQ(Ready("Steve", "1"), 0);
  ASSERT_EQ(Sent(), std::vector<std::string>{"{\"function\":{\"name\":\"重新发送数据\"}}"});
  ASSERT_EQ(Boxes(1).size(), 1u);
  EXPECT_EQ(Boxes(1)[0], GbkToUtf8("65552|Quillon反作弊|未初始化成功,请稍等一会再启动游戏"));

  // The package arrives: the matching client with Chinese names passes.
  JsonDocument recorded = RecordZone(client.Root(), {{"\\.Minecraft\\mods\\"}});
  plugin.Deliver(PackedClientPackage({{1, true, recorded, JsonDocument()}}, {"Alex"}));
  EXPECT_EQ(host.CallArg(host.FindCall("launcher_function_whiterunlog"), 2), "区服数量: 16");
  host.Reset();
  EXPECT_EQ(Ready("Steve", "1"), 1);
  EXPECT_TRUE(Sent().empty());

  // A changed file: whitelisted characters and switched-off zones pass at once, others fail.
  client.File(".Minecraft\\mods\\淺設\\地图.jar", "map mod with x-ray");
  EXPECT_EQ(Ready("Alex", "1"), 1);
  EXPECT_EQ(Ready("Steve", "2"), 1);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(Ready("Steve", "1"), 0);
  std::vector<std::string> sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  JsonDocument report;
  ASSERT_TRUE(report.Parse(sent[0]));
  EXPECT_EQ(report.GetCount(""), 2);
  EXPECT_EQ(report.GetText("function.name"), "出现违规文件");
  EXPECT_EQ(report.ToText("data.gamesataus"), "false");
  std::string detail = report.GetText("data.wfinfo");
  EXPECT_EQ(detail.substr(0, 11), "地图.jar # ");
  EXPECT_EQ(detail.size(), 11u + 32u);
  EXPECT_EQ(report.GetText("data.time").size(), 13u);
  std::vector<std::string> boxes = Boxes(2);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1], GbkToUtf8("65552|Quillon反作弊|未被允许的文件: 地图.jar"));
  int script = -1;  // the last script call
  for (int i = host.FindCall("launcher_function_webrunscript"); i >= 0;
       i = host.FindCall("launcher_function_webrunscript", i + 1)) {
    script = i;
  }
  ASSERT_GE(script, 0);
  EXPECT_EQ(host.CallArg(script, 1), "'(Quillon反作弊) 未被允许的文件: 地图.jar'");

  // A file whose name has no GBK form can never match: it fails as unreadable.
  client.File(".Minecraft\\mods\\淺設\\地图.jar", "map mod");
  host.Reset();
  EXPECT_EQ(Ready("Steve", "1"), 1);
  TempTree::FileAt(client.Native(".Minecraft\\mods") / "\xED\x95\x9C.jar", "map mod");  // "한.jar"
  EXPECT_EQ(Ready("Steve", "1"), 0);
  ASSERT_EQ(Sent().size(), 1u);

  // The client-settings request hands the zone picker to the host's main thread.
  host.Reset();
  plugin.Deliver(PackedClientSettingsRequest("Steve"));
  int handed = host.FindCall("launcher_function_mthreadexecution");
  ASSERT_GE(handed, 0);
  EXPECT_EQ(host.CallArg(handed, 0), "routine");
  EXPECT_GT(host.FindCall("launcher_function_getgamezones", handed), handed);
}

TEST_F(PluginFlowTest, KickEndsTheLauncherAfterTheMessageProgramRan) {
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    plugin.Deliver(PackedKick("违规操作上限.自动封号并踢出"));
    _exit(3);  // not reached: the kick ends the process with status 0
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  std::vector<std::string> boxes = Boxes(1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], GbkToUtf8("65600|Quillon反作弊|违规操作上限.自动封号并踢出"));
}

}  // namespace
}  // namespace quillon::testing
