#include "launcher_plugin/event_dispatch.h"

#include <string>

#include "common/json_document.h"
#include "launcher_plugin/block_sender.h"
#include "launcher_plugin/detached_message.h"
#include "launcher_plugin/game_monitor.h"
#include "launcher_plugin/host_functions.h"
#include "launcher_plugin/launcher_state.h"
#include "launcher_plugin/verification.h"
#include "launcher_plugin/zone_checks.h"

namespace quillon::launcher {
namespace {

constexpr char kWaitWindow[] = "Prevent_OpenWaitFloatingWindow_Load";
constexpr char kTipsWindow[] = "Prevent_OpenTipsFloatingWindow";
constexpr char kNotInitialised[] = "未初始化成功,请稍等一会再启动游戏";

// text as the inside of a single-quoted script string: a player's file name must not be able
// to end the literal or inject script.
std::string ScriptStringBody(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x81 && c <= 0xFE && i + 1 < text.size()) {
      out += text.substr(i, 2);
      ++i;
    } else if (c == '\\') {
      out += "\\\\";
    } else if (c == '\'') {
      out += "\\'";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

struct GameView {
  std::string character_name;
  std::string zone_number;
};

GameView CurrentGameView() {
  LauncherState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  return {state.current_game.character_name, state.current_game.zone_number};
}

// True when the current game is checked: its zone is on and its character not whitelisted.
bool GameIsChecked(const ZoneData& data) {
  GameView game = CurrentGameView();
  return ZoneSwitchedOn(data, game.zone_number) && !CharacterWhitelisted(data, game.character_name);
}

int32_t GameStart(const JsonDocument& event) {
  LauncherState& state = State();
  int32_t process_id = event.GetInt("数据_进程句柄");
  {
    std::lock_guard<std::mutex> lock(state.mutex);
    state.current_game.game_process_id = process_id;
  }
  if (GameIsChecked(*ZoneSnapshot()) && !StartGameMonitor()) {
    ShowDetachedMessage(state.services, MessageKind::kError, "Quillon反作弊", "反作弊功能加载出现异常.请重新启动游戏");
    // Id 0 would end the launcher itself; only a real game process is ended.
    if (process_id != 0) state.services.terminate(process_id);
  }
  return 1;
}

int32_t GameEnd() {
  LauncherState& state = State();
  {
    std::lock_guard<std::mutex> lock(state.mutex);
    state.current_game.game_process_id = 0;
  }
  if (GameIsChecked(*ZoneSnapshot())) RunEndCheck();
  return 1;
}

}  // namespace

int32_t GameStartCheck() {
  LauncherState& state = State();
  const LauncherServices& services = state.services;
  std::shared_ptr<const ZoneData> data = ZoneSnapshot();
  if (data->zone_enabled.size() != 16) {
    SendResendRequest();
    ShowDetachedMessage(services, MessageKind::kError, kPluginName, kNotInitialised);
    HostWebRunScript(kTipsWindow, std::string("'Quillon反作弊','") + kNotInitialised + "'");
    services.wait_seconds(2);
    return 0;
  }
  if (!GameIsChecked(*data)) return 1;

  HostWebRunScript(kWaitWindow, "'Quillon反作弊：开始检查游戏客户端, 请耐心等待一会'");
  VerificationResult result = VerifyCurrentZone(CurrentGameView().zone_number);
  if (result.passed) {
    int64_t now = services.local_now();
    {
      std::lock_guard<std::mutex> lock(state.mutex);
      state.last_good_check = now;
    }
    HostWebRunScript(kWaitWindow, "''");
    services.wait_seconds(1);
    return 1;
  }
  SendViolationReport(false, result.report_detail);
  ShowDetachedMessage(services, MessageKind::kError, kPluginName, result.user_text);
  HostWebRunScript(kWaitWindow, "'(Quillon反作弊) " + ScriptStringBody(result.user_text) + "'");
  services.wait_seconds(5);
  return 0;
}

int32_t DispatchEvent(std::string_view event_name, std::string_view event_json) {
  JsonDocument event;
  event.Parse(event_json);
  LauncherState& state = State();

  if (event_name == "launcher_set_datas" || event_name == "launcher_ui_customdata") return 1;
  if (event_name == "launcher_login_success") {
    std::string name = event.GetText("数据_角色名字");
    std::lock_guard<std::mutex> lock(state.mutex);
    state.current_game.character_name = name;
    return 1;
  }
  if (event_name == "launcher_mineclient_ready") {
    std::string name = event.GetText("数据_角色名字");
    std::string zone = event.GetText("数据_区服序号");
    {
      std::lock_guard<std::mutex> lock(state.mutex);
      state.current_game.character_name = name;
      state.current_game.zone_number = zone;
      state.current_game.monitor_end_time = 0;
    }
    return GameStartCheck();
  }
  if (event_name == "launcher_mineclient_start") return GameStart(event);
  if (event_name == "launcher_mineclient_end") return GameEnd();
  if (event_name == "launcher_gameverify_success" || event_name == "launcher_gameverify_refuse") return 1;
  return 2;
}

}  // namespace quillon::launcher
