#include "launcher_plugin/entry_points.h"

namespace quillon::launcher {

const char* AppInfo(const char*) { return "{}"; }
int32_t AppStart() { return 1; }
int32_t Events(const char*, const char*) { return 2; }
void ScDatas(const uint8_t*, size_t) {}

}  // namespace quillon::launcher
