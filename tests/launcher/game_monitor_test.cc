// The in-game monitor and the end check, with fake waits and clock.
#include "launcher_plugin/game_monitor.h"

#include <gtest/gtest.h>

#include <thread>

#include "common/json_document.h"
#include "launcher_plugin/launcher_state.h"
#include "tests/support/launcher_fixture.h"
#include "host_sim/reference_zone.h"

namespace quillon::testing {
namespace {

using namespace host_sim;  // the server side of the flow

constexpr char kRunningInZoneOne[] = "{\"实时_游戏区服\":\"1\",\"实时_游戏状态\":1}";
constexpr char kEndedInZoneOne[] = "{\"实时_游戏区服\":\"1\",\"实时_游戏状态\":0}";

class GameMonitorTest : public LauncherFixture {
 protected:
  void SetUp() override {
    LauncherFixture::SetUp();
    client.File(".Minecraft\\mods\\优化模组.jar", "optimisation mod");
    Deliver(PackedClientPackage({{1, true, RecordZone(client.Root(), {{"\\.Minecraft\\mods\\"}}), JsonDocument()}}));
    host.Reset();
    launcher::LauncherState& state = launcher::State();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.current_game.zone_number = "1";
    state.current_game.game_process_id = 4321;
  }

  // Makes the fake wait run action on the n-th wait (1-based) and record every wait.
  void OnWait(int n, std::function<void()> action) {
    auto previous = launcher::State().services.wait_seconds;
    auto count = std::make_shared<int>(0);
    launcher::State().services.wait_seconds = [=](int64_t seconds) {
      previous(seconds);
      if (++*count == n) action();
    };
  }

  int32_t MonitorEndTime() {
    std::lock_guard<std::mutex> lock(launcher::State().mutex);
    return launcher::State().current_game.monitor_end_time;
  }
};

TEST_F(GameMonitorTest, AnotherZoneAtTheFirstPollStopsBeforeAnyVerification) {
  host.SetMineStatus("{\"实时_游戏区服\":\"2\",\"实时_游戏状态\":1}");
  client.File(".Minecraft\\mods\\xray.jar", "cheat");  // would fail if verified
  unix_now = 1'700'000'009;
  launcher::RunGameMonitor();
  EXPECT_EQ(Waits(), (std::vector<int64_t>{3, 6}));
  EXPECT_TRUE(SentTexts().empty());
  EXPECT_EQ(MonitorEndTime(), 1'700'000'009);
}

TEST_F(GameMonitorTest, UnreadableStatusStopsTheMonitor) {
  host.SetMineStatus(nullptr);
  launcher::RunGameMonitor();
  EXPECT_EQ(Waits(), (std::vector<int64_t>{3, 6}));
  EXPECT_EQ(MonitorEndTime(), unix_now);
}

TEST_F(GameMonitorTest, GameEndingStopsAfterOneMoreVerification) {
  host.SetMineStatus(kRunningInZoneOne);
  OnWait(3, [this] { host.SetMineStatus(kEndedInZoneOne); });
  local_now = 500;
  launcher::RunGameMonitor();
  EXPECT_EQ(Waits(), (std::vector<int64_t>{3, 6, 6}));
  EXPECT_TRUE(SentTexts().empty());
  EXPECT_TRUE(Terminated().empty());
  EXPECT_EQ(launcher::State().last_good_check, 500);
}

TEST_F(GameMonitorTest, FileChangedDuringPlayEndsTheGame) {
  host.SetMineStatus(kRunningInZoneOne);
  OnWait(3, [this] { client.File(".Minecraft\\mods\\优化模组.jar", "patched during play"); });
  launcher::RunGameMonitor();
  EXPECT_EQ(Waits(), (std::vector<int64_t>{3, 6, 6}));
  std::vector<std::string> sent = SentTexts();
  ASSERT_EQ(sent.size(), 1u);
  JsonDocument report;
  ASSERT_TRUE(report.Parse(sent[0]));
  EXPECT_EQ(report.GetText("data.wfinfo").substr(0, 15), "优化模组.jar # ");
  ASSERT_EQ(Launches().size(), 1u);
  EXPECT_EQ(Terminated(), std::vector<int32_t>{4321});
}

TEST_F(GameMonitorTest, AFailureAfterTheGameEndedEndsNothing) {
  host.SetMineStatus(kRunningInZoneOne);
  client.File(".Minecraft\\mods\\xray.jar", "cheat");
  {
    std::lock_guard<std::mutex> lock(launcher::State().mutex);
    launcher::State().current_game.game_process_id = 0;
  }
  launcher::RunGameMonitor();
  EXPECT_EQ(SentTexts().size(), 1u);
  EXPECT_TRUE(Terminated().empty());  // id 0 would be the launcher itself
}

TEST_F(GameMonitorTest, EndCheckReportsAMonitorThatStoppedLate) {
  // A 10-digit end time is read as Unix seconds at UTC+8.
  const int32_t end = 1'700'000'000;
  const int64_t end_wall = int64_t{end} + 8 * 3600;
  struct Case {
    int32_t monitor_end_time;
    std::optional<int64_t> last_good_check;
    std::string detail;  // empty: no report
  } cases[] = {
      {end, end_wall - 30, "游戏中检查异常.可能已被非法修改 FVT:30"},
      {end, end_wall - 25, "游戏中检查异常.可能已被非法修改 FVT:25"},
      {end, end_wall - 24, ""},
      {end, end_wall, ""},
      {0, end_wall - 30, ""},  // the monitor has not stopped yet: 1970
      {end, std::nullopt, ""},  // no verification has passed since loading
  };
  for (const auto& c : cases) {
    host.Reset();
    {
      std::lock_guard<std::mutex> lock(launcher::State().mutex);
      launcher::State().current_game.monitor_end_time = c.monitor_end_time;
      launcher::State().last_good_check = c.last_good_check;
    }
    launcher::RunEndCheck();
    std::vector<std::string> sent = SentTexts();
    if (c.detail.empty()) {
      EXPECT_TRUE(sent.empty()) << c.monitor_end_time;
    } else {
      ASSERT_EQ(sent.size(), 1u);
      JsonDocument report;
      ASSERT_TRUE(report.Parse(sent[0]));
      EXPECT_EQ(report.GetText("data.wfinfo"), c.detail);
    }
  }
  EXPECT_TRUE(Launches().empty());  // nothing is shown to the player
}

TEST_F(GameMonitorTest, StartAndEndEventsRunTheMonitorAndTheEndCheck) {
  host.SetMineStatus(kEndedInZoneOne);
  EXPECT_EQ(Ready("Steve", "1"), 1);
  EXPECT_EQ(Event("launcher_mineclient_start", "{\"数据_进程句柄\":4321}"), 1);
  // The monitor runs on its own thread; with the fake waits it ends after one verification.
  for (int i = 0; i < 2000 && MonitorEndTime() == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_EQ(MonitorEndTime(), unix_now);
  EXPECT_EQ(Event("launcher_mineclient_end", "{}"), 1);
  EXPECT_EQ(launcher::State().current_game.game_process_id, 0);
  EXPECT_TRUE(SentTexts().empty());
}

}  // namespace
}  // namespace quillon::testing
