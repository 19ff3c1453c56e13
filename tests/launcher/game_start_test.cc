// The game-start check, reception and the event table, driven through the static library with
// fake waits and processes and the stand-in host.
#include <gtest/gtest.h>

#include <functional>

#include "common/envelope_codec.h"
#include "common/json_document.h"
#include "launcher_plugin/detached_message.h"
#include "launcher_plugin/launcher_state.h"
#include "launcher_plugin/reception.h"
#include "tests/support/launcher_fixture.h"
#include "host_sim/reference_zone.h"

namespace quillon::testing {
namespace {

using namespace host_sim;  // the server side of the flow

constexpr char kWaitLoad[] = "Prevent_OpenWaitFloatingWindow_Load";

class GameStartTest : public LauncherFixture {
 protected:
  void SetUp() override {
    LauncherFixture::SetUp();
    client.Remove(".Minecraft");  // a case loop sets up again on the same tree
    client.File(".Minecraft\\mods\\优化模组.jar", "optimisation mod");
    client.File(".Minecraft\\mods\\淺設\\地图.jar", "map mod");
    client.File(".Minecraft\\mods\\config\\settings.jar", "whitelisted");
    recorded = RecordZone(client.Root(), {{"\\.Minecraft\\mods\\"}});
  }

  // Zone 1 protected by the recorded data, with the config directory whitelisted.
  void DeliverZoneOne(const std::vector<std::string>& characters = {}) {
    Deliver(PackedClientPackage({{1, true, recorded, WhitelistZone({"\\.Minecraft\\mods\\config\\"})}}, characters));
  }

  JsonDocument recorded;
};

TEST_F(GameStartTest, StartBeforeAnyPackageIsRefusedWithAResendRequest) {
  EXPECT_EQ(Ready("Steve", "1"), 0);
  std::vector<std::string> sent = SentTexts();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], "{\"function\":{\"name\":\"重新发送数据\"}}");
  ASSERT_EQ(Launches().size(), 1u);
  EXPECT_EQ(Launches()[0].command_line.empty() && Launches()[0].program.empty(), false);
  EXPECT_EQ(ScriptCalls(), std::vector<std::string>{
                               "Prevent_OpenTipsFloatingWindow|'Quillon反作弊','未初始化成功,请稍等一会再启动游戏'"});
  EXPECT_EQ(Waits(), std::vector<int64_t>{2});
}

TEST_F(GameStartTest, MatchingClientPasses) {
  DeliverZoneOne();
  EXPECT_EQ(host.CallArg(host.FindCall("launcher_function_whiterunlog"), 2), "区服数量: 16");
  EXPECT_EQ(Ready("Steve", "1"), 1);
  EXPECT_TRUE(SentTexts().empty());
  EXPECT_EQ(ScriptCalls(), (std::vector<std::string>{
                               std::string(kWaitLoad) + "|'Quillon反作弊：开始检查游戏客户端, 请耐心等待一会'",
                               std::string(kWaitLoad) + "|''"}));
  EXPECT_EQ(Waits(), std::vector<int64_t>{1});
  EXPECT_EQ(launcher::State().last_good_check, local_now);
}

TEST_F(GameStartTest, ChangedAddedOrCopiedFilesGiveTheRightResultAndReport) {
  struct Case {
    const char* name;
    std::function<void(TempTree&)> change;
    bool all_match;
    int32_t result;
    std::string user_text;
    std::string detail;   // the report detail, or its start when a fingerprint follows
    bool fingerprint_follows;
  } cases[] = {
      {"changed", [](TempTree& t) { t.File(".Minecraft\\mods\\优化模组.jar", "optimisation mod, patched"); }, false, 0,
       "未被允许的文件: 优化模组.jar", "优化模组.jar # ", true},
      {"added", [](TempTree& t) { t.File(".Minecraft\\mods\\淺設\\a'b%22&).jar", "cheat"); }, false, 0,
       "未被允许的文件: a'b%22&).jar", "a'b%22&).jar # ", true},
      // A renamed copy has an allowed fingerprint: it passes unless the group counts its files.
      {"renamed copy", [](TempTree& t) { t.File(".Minecraft\\mods\\副本.jar", "optimisation mod"); }, false, 1, "", "", false},
      {"renamed copy, counted", [](TempTree& t) { t.File(".Minecraft\\mods\\副本.jar", "optimisation mod"); }, true,
       0, "文件数据发生异常: 4", "数量不一致 - 4", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    recorded = RecordZone(client.Root(), {{"\\.Minecraft\\mods\\", "*.jar", true, c.all_match}});
    DeliverZoneOne();
    c.change(client);
    EXPECT_EQ(Ready("Steve", "1"), c.result);
    std::vector<std::string> sent = SentTexts();
    if (c.result == 1) {
      EXPECT_TRUE(sent.empty());
      TearDown();
      continue;
    }
    ASSERT_EQ(sent.size(), 1u);
    JsonDocument report;
    ASSERT_TRUE(report.Parse(sent[0]));
    EXPECT_EQ(report.GetKey("[0]"), "function");
    EXPECT_EQ(report.GetText("function.name"), "出现违规文件");
    EXPECT_EQ(report.GetType("data.gamesataus"), kJsonBoolean);
    EXPECT_FALSE(report.GetBool("data.gamesataus"));
    std::string detail = report.GetText("data.wfinfo");
    if (c.fingerprint_follows) {
      EXPECT_EQ(detail.substr(0, c.detail.size()), c.detail);
      EXPECT_EQ(detail.size(), c.detail.size() + 32) << detail;
    } else {
      EXPECT_EQ(detail, c.detail);
    }
    EXPECT_EQ(report.GetText("data.time").size(), 13u);
    ASSERT_EQ(Launches().size(), 1u);
    launcher::DetachedLaunch expected =
        launcher::MessageBoxLaunch(launcher::MessageKind::kError, launcher::kPluginName, c.user_text);
    EXPECT_EQ(Launches()[0].command_line, expected.command_line);
    EXPECT_EQ(Launches()[0].arguments, expected.arguments);
    EXPECT_EQ(ScriptCalls().size(), 2u);
    EXPECT_EQ(Waits(), std::vector<int64_t>{5});
    TearDown();
  }
}

TEST_F(GameStartTest, ScriptLiteralEscapesThePlayersFileName) {
  DeliverZoneOne();
  client.File(".Minecraft\\mods\\it's.jar", "cheat");
  EXPECT_EQ(Ready("Steve", "1"), 0);
  std::vector<std::string> calls = ScriptCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1], std::string(kWaitLoad) + "|'(Quillon反作弊) 未被允许的文件: it\\'s.jar'");
}

TEST_F(GameStartTest, WhitelistedCharacterAndSwitchedOffZonePassAtOnce) {
  DeliverZoneOne({"Alex"});
  client.File(".Minecraft\\mods\\xray.jar", "cheat");
  EXPECT_EQ(Ready("Alex", "1"), 1);  // whitelisted
  EXPECT_EQ(Ready("Steve", "2"), 1);  // zone 2 is off
  EXPECT_EQ(Ready("Steve", "17"), 1);  // no such zone
  EXPECT_EQ(Ready("Steve", "abc"), 1);
  EXPECT_TRUE(ScriptCalls().empty());
  EXPECT_TRUE(SentTexts().empty());
  EXPECT_TRUE(Waits().empty());
  EXPECT_EQ(Ready("Steve", "1"), 0);
}

TEST_F(GameStartTest, EventTableAnswers) {
  struct Case {
    const char* name;
    int32_t result;
  } cases[] = {
      {"launcher_set_datas", 1},          {"launcher_ui_customdata", 1}, {"launcher_login_success", 1},
      {"launcher_gameverify_success", 1}, {"launcher_gameverify_refuse", 1},
      {"launcher_mineclient_end", 1},     {"Launcher_Set_Datas", 2},     {"launcher_unknown", 2},
      {"", 2},
  };
  for (const auto& c : cases) EXPECT_EQ(Event(c.name, "not json"), c.result) << c.name;
  EXPECT_EQ(Event("launcher_login_success", "{\"数据_角色名字\":\"Steve\"}"), 1);
  EXPECT_EQ(launcher::State().current_game.character_name, "Steve");
}

TEST_F(GameStartTest, PackagesReplaceEachOtherAndBadBlocksAreIgnored) {
  DeliverZoneOne();
  // A second package switches zone 1 off: only the second one's data remains.
  Deliver(PackedClientPackage({{1, false, recorded, JsonDocument()}}));
  client.File(".Minecraft\\mods\\xray.jar", "cheat");
  EXPECT_EQ(Ready("Steve", "1"), 1);
  // A package with an empty JSON object: 16 zones, all off.
  Deliver(EnvelopeCodec().Pack("[QFP_DATA/]{}[/QFP_DATA]"));
  EXPECT_EQ(launcher::ZoneSnapshot()->zone_enabled.size(), 16u);
  // Damaged blocks, a package with no content and unknown texts change nothing.
  for (std::string bad : {std::string("xx"), EnvelopeCodec().Pack("[QFP_DATA/][/QFP_DATA]"),
                          EnvelopeCodec().Pack("hello"), EnvelopeCodec().Pack("[qfp_kick/]x[/qfp_kick]")}) {
    Deliver(bad);
  }
  EXPECT_EQ(launcher::ZoneSnapshot()->zone_enabled.size(), 16u);
  EXPECT_TRUE(Terminated().empty());
  // A package whose zone 3 is on with empty data: the client passes for zone 3.
  Deliver(PackedClientPackage({{3, true, JsonDocument(), JsonDocument()}}));
  EXPECT_EQ(Ready("Steve", "3"), 1);
}

TEST_F(GameStartTest, KickShowsTheMessageAndEndsTheLauncher) {
  Deliver(PackedKick("违规操作上限.自动封号并踢出"));
  ASSERT_EQ(Launches().size(), 1u);
  EXPECT_EQ(Launches()[0].command_line,
            launcher::MessageBoxLaunch(launcher::MessageKind::kInformation, launcher::kPluginName,
                                       "违规操作上限.自动封号并踢出")
                .command_line);
#if defined(_WIN32)
  EXPECT_EQ(Launches()[0].command_line,
            "C:\\Windows\\System32\\mshta.exe vbscript:msgbox(\"违规操作上限.自动封号并踢出\",65600,\"Quillon反作弊\")"
            "(window.close)");
#endif
  EXPECT_EQ(Terminated(), std::vector<int32_t>{0});
}

TEST_F(GameStartTest, ClientSettingsRequestHandsTheZonePickerToTheHost) {
  host.SetRunRoutinesAtOnce(false);
  host.SetGameZones("[{\"区服名字\":\"一区\",\"版本文件夹\":\"1.12.2\",\"数据存放路径\":\"D:\\\\Game\"}]");
  Deliver(PackedClientSettingsRequest(""));
  int call = host.FindCall("launcher_function_mthreadexecution");
  ASSERT_GE(call, 0);
  EXPECT_EQ(host.FindCall("launcher_function_getgamezones"), -1);  // nothing runs on the caller's thread
  EXPECT_EQ(host.RunQueuedRoutines(), 1);
  EXPECT_GE(host.FindCall("launcher_function_getgamezones"), 0);
  EXPECT_EQ(launcher::State().zone_list.GetText("[0].区服名字"), "一区");
}

}  // namespace
}  // namespace quillon::testing
