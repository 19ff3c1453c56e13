#include "tests/support/launcher_plugin_library.h"

#include "platform/dynamic_library.h"
#include "tests/support/hostcli_client.h"

namespace quillon::testing {

const LauncherPluginLibrary& LauncherPlugin() {
  static const LauncherPluginLibrary plugin = [] {
    LauncherPluginLibrary p;
    // The file name is GBK, like every text of the system.
    p.library = platform::LoadSharedLibrary(SharedLibraryName("CP-Quillon反作弊").c_str());
    p.appinfo = reinterpret_cast<LauncherPluginLibrary::AppInfoFn>(
        platform::FindLibrarySymbol(p.library, "_launcher_appinfo"));
    p.appstart = reinterpret_cast<LauncherPluginLibrary::AppStartFn>(
        platform::FindLibrarySymbol(p.library, "_launcher_appstart"));
    p.menu = reinterpret_cast<LauncherPluginLibrary::MenuFn>(platform::FindLibrarySymbol(p.library, "_launcher_menu"));
    p.events = reinterpret_cast<LauncherPluginLibrary::EventsFn>(
        platform::FindLibrarySymbol(p.library, "_launcher_events"));
    p.scdatas = reinterpret_cast<LauncherPluginLibrary::ScDatasFn>(
        platform::FindLibrarySymbol(p.library, "_launcher_scdatas"));
    return p;
  }();
  return plugin;
}

}  // namespace quillon::testing
