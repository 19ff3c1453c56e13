#include "launcher_plugin/entry_points.h"

#include <string>

#include "launcher_plugin/client_root.h"
#include "launcher_plugin/host_functions.h"
#include "launcher_plugin/launcher_state.h"
#include "launcher_plugin/plugin_info.h"
#include "platform/files.h"

namespace quillon::launcher {

const char* AppInfo(const char* plugin_dir) {
  LauncherState& state = State();
  state.plugin_dir = platform::HostPathToSystem(plugin_dir);
  state.plugin_info = MakePluginInfo();
  HostTimestamp();
  state.plugin_info_text = PluginInfoText(state.plugin_info);
  return state.plugin_info_text.c_str();
}

int32_t AppStart() {
  LauncherState& state = State();
  state.client_root = DeriveClientRoot(state.plugin_dir, state.plugin_info.plugin_name);
  return 1;
}

int32_t Events(const char* event_name, const char* event_json) {
  // Copies: the host's texts may change once a nested call lets its window events run.
  std::string name(event_name);
  std::string json(event_json);
  (void)name;
  (void)json;
  return 2;
}

void ScDatas(const uint8_t*, size_t) {}

}  // namespace quillon::launcher
