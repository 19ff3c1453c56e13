// The host's thread and the in-game monitor share the plugin's state: new packages, events and
// calls made from inside the plugin's own pumping (as a host may make them) while a monitor
// verifies. Run under the thread sanitizer, this must give no report and no deadlock.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "launcher_plugin/launcher_state.h"
#include "tests/support/launcher_fixture.h"
#include "host_sim/reference_zone.h"

namespace quillon::testing {
namespace {

using namespace host_sim;  // the server side of the flow

class LauncherThreadsTest : public LauncherFixture {};

TEST_F(LauncherThreadsTest, PackagesEventsAndReentryWhileAMonitorVerifies) {
  client.File(".Minecraft\\mods\\优化模组.jar", "optimisation mod");
  client.File(".Minecraft\\mods\\淺\\地图.jar", "map mod");
  JsonDocument recorded = RecordZone(client.Root(), {{"\\.Minecraft\\mods\\"}});
  const std::string package = PackedClientPackage({{1, true, recorded, JsonDocument()}});
  const std::string other_package = PackedClientPackage({{1, true, recorded, JsonDocument()}}, {"Alex"});
  host.SetMineStatus("{\"实时_游戏区服\":\"1\",\"实时_游戏状态\":1}");
  Deliver(package);

  const std::thread::id host_thread = std::this_thread::get_id();
  std::atomic<int> reentries{0};
  bool inside = false;  // host thread only
  launcher::LauncherServices& services = launcher::State().services;
  auto record_wait = services.wait_seconds;
  services.wait_seconds = [record_wait](int64_t seconds) {
    record_wait(seconds);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  };
  // The host's window events run inside the plugin's pumping: deliver data and raise events.
  services.pump_events = [&] {
    if (std::this_thread::get_id() != host_thread || inside) return;
    inside = true;
    int n = ++reentries;
    Deliver(n % 2 ? other_package : package);
    Event("launcher_login_success", "{\"数据_角色名字\":\"Steve\"}");
    if (n % 5 == 0) Ready("Steve", "1");
    inside = false;
  };

  ASSERT_EQ(Ready("Steve", "1"), 1);
  ASSERT_EQ(Event("launcher_mineclient_start", "{\"数据_进程句柄\":4321}"), 1);
  for (int i = 0; i < 20; ++i) {
    Deliver(i % 2 ? package : other_package);
    Ready(i % 3 ? "Steve" : "Alex", "1");
    Event("launcher_login_success", "{\"数据_角色名字\":\"Steve\"}");
  }
  host.SetMineStatus("{\"实时_游戏区服\":\"1\",\"实时_游戏状态\":0}");
  auto monitor_end = [] {
    std::lock_guard<std::mutex> lock(launcher::State().mutex);
    return launcher::State().current_game.monitor_end_time;
  };
  for (int i = 0; i < 4000 && monitor_end() == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_NE(monitor_end(), 0);
  EXPECT_GT(reentries.load(), 0);
  EXPECT_TRUE(Terminated().empty());  // the client matched throughout
}

}  // namespace
}  // namespace quillon::testing
