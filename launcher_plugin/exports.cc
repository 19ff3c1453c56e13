// The five exports of CP-Quillon反作弊. Each one is thin: it turns the host's arguments into
// safe values, catches everything, and hands on to the plugin's logic.
#include <cstdint>

#include "launcher_plugin/entry_points.h"
#include "platform/abi.h"

extern "C" {

QUILLON_EXPORT const char* QUILLON_STDCALL _launcher_appinfo(const char* plugin_dir) {
  try {
    return quillon::launcher::AppInfo(plugin_dir == nullptr ? "" : plugin_dir);
  } catch (...) {
    return "";
  }
}

QUILLON_EXPORT int32_t QUILLON_STDCALL _launcher_appstart(int32_t /*unused*/) {
  try {
    return quillon::launcher::AppStart();
  } catch (...) {
    return 1;
  }
}

QUILLON_EXPORT void QUILLON_STDCALL _launcher_menu(void) {}

QUILLON_EXPORT int32_t QUILLON_STDCALL _launcher_events(const char* event_name, const char* event_json) {
  try {
    return quillon::launcher::Events(event_name == nullptr ? "" : event_name,
                                     event_json == nullptr ? "" : event_json);
  } catch (...) {
    return 2;
  }
}

QUILLON_EXPORT void QUILLON_STDCALL _launcher_scdatas(const uint8_t* data, int32_t length) {
  try {
    if (data == nullptr || length < 0) length = 0;
    quillon::launcher::ScDatas(data, static_cast<size_t>(length));
  } catch (...) {
  }
}

}  // extern "C"
