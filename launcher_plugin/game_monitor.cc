#include "launcher_plugin/game_monitor.h"

#include <thread>

#include "common/json_document.h"
#include "launcher_plugin/block_sender.h"
#include "launcher_plugin/detached_message.h"
#include "launcher_plugin/host_functions.h"
#include "launcher_plugin/launcher_state.h"
#include "launcher_plugin/verification.h"
#include "platform/module_pin.h"

namespace quillon::launcher {
namespace {

constexpr char kEndCheckDetail[] = "游戏中检查异常.可能已被非法修改 FVT:";

void SetLastGoodCheck(LauncherState& state) {
  int64_t now = state.services.local_now();
  std::lock_guard<std::mutex> lock(state.mutex);
  state.last_good_check = now;
}

}  // namespace

void RunGameMonitor() {
  LauncherState& state = State();
  const LauncherServices& services = state.services;
  std::string zone0;
  {
    std::lock_guard<std::mutex> lock(state.mutex);
    zone0 = state.current_game.zone_number;
  }
  SetLastGoodCheck(state);
  services.wait_seconds(3);
  while (true) {
    services.wait_seconds(6);
    JsonDocument status;
    status.Parse(HostGetMineStatus());
    if (status.GetText("实时_游戏区服") != zone0) break;

    VerificationResult result = VerifyCurrentZone(zone0);
    if (!result.passed) {
      SendViolationReport(false, result.report_detail);
      ShowDetachedMessage(services, MessageKind::kError, kPluginName, result.user_text);
      int32_t game;
      {
        std::lock_guard<std::mutex> lock(state.mutex);
        game = state.current_game.game_process_id;
      }
      // Id 0 would be the launcher itself: the game has already ended, nothing to end.
      if (game != 0) services.terminate(game);
      break;
    }
    SetLastGoodCheck(state);
    services.pump_events();
    if (status.GetInt("实时_游戏状态") == 0) break;
  }
  int64_t end = services.unix_seconds();
  std::lock_guard<std::mutex> lock(state.mutex);
  state.current_game.monitor_end_time = static_cast<int32_t>(end);
}

bool StartGameMonitor() {
  platform::PinCurrentModule();
  try {
    std::thread([keep = StateHandle()] { RunGameMonitor(); }).detach();
    return true;
  } catch (...) {
    return false;
  }
}

int64_t EndCheckWallClock(const std::string& end_time_text) {
  const LauncherServices& services = State().services;
  JsonDocument number;
  number.Parse();
  number.SetString("t", end_time_text);
  int64_t t = number.GetInt64("t");
  if (end_time_text.size() == 10) return t + 8 * 3600;
  return services.local_from_unix_millis(t);
}

void RunEndCheck() {
  LauncherState& state = State();
  int32_t end_time;
  std::optional<int64_t> last_good;
  {
    std::lock_guard<std::mutex> lock(state.mutex);
    end_time = state.current_game.monitor_end_time;
    last_good = state.last_good_check;
  }
  // Without a passing verification since the library was loaded there is nothing to compare.
  if (!last_good) return;
  int64_t n = EndCheckWallClock(std::to_string(end_time)) - *last_good;
  if (n > 24) SendViolationReport(false, kEndCheckDetail + std::to_string(n));
}

}  // namespace quillon::launcher
