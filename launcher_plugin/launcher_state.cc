#include "launcher_plugin/launcher_state.h"

namespace quillon::launcher {

std::shared_ptr<LauncherState> StateHandle() {
  // Created on first use; released when the library is unloaded, unless a monitor still holds
  // a handle (then when the monitor ends).
  static const std::shared_ptr<LauncherState> state = std::make_shared<LauncherState>();
  return state;
}

LauncherState& State() {
  static LauncherState& state = *StateHandle();
  return state;
}

std::shared_ptr<const ZoneData> ZoneSnapshot() {
  LauncherState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  return state.zone_data;
}

}  // namespace quillon::launcher
