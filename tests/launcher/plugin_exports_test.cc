// Loads the real launcher plugin library through its five exports, with the stand-in host
// library found by name, as a host would (LoadLibraryA with the GBK file name and stdcall calls
// on Windows; dlopen on Linux).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/json_document.h"
#include "platform/abi.h"
#include "platform/dynamic_library.h"
#include "tests/support/hostcli_client.h"

namespace quillon {
namespace {

using AppInfoFn = const char*(QUILLON_STDCALL*)(const char*);
using AppStartFn = int32_t(QUILLON_STDCALL*)(int32_t);
using MenuFn = void(QUILLON_STDCALL*)(void);
using EventsFn = int32_t(QUILLON_STDCALL*)(const char*, const char*);
using ScDatasFn = void(QUILLON_STDCALL*)(const uint8_t*, int32_t);

struct LauncherPlugin {
  void* library = nullptr;
  AppInfoFn appinfo = nullptr;
  AppStartFn appstart = nullptr;
  MenuFn menu = nullptr;
  EventsFn events = nullptr;
  ScDatasFn scdatas = nullptr;

  LauncherPlugin() {
    // The file name is GBK, like every text of the system.
    library = platform::LoadSharedLibrary(testing::SharedLibraryName("CP-Quillon反作弊").c_str());
    appinfo = reinterpret_cast<AppInfoFn>(platform::FindLibrarySymbol(library, "_launcher_appinfo"));
    appstart = reinterpret_cast<AppStartFn>(platform::FindLibrarySymbol(library, "_launcher_appstart"));
    menu = reinterpret_cast<MenuFn>(platform::FindLibrarySymbol(library, "_launcher_menu"));
    events = reinterpret_cast<EventsFn>(platform::FindLibrarySymbol(library, "_launcher_events"));
    scdatas = reinterpret_cast<ScDatasFn>(platform::FindLibrarySymbol(library, "_launcher_scdatas"));
  }
  bool ok() const { return appinfo && appstart && menu && events && scdatas; }
};

LauncherPlugin& Plugin() {
  static LauncherPlugin plugin;
  return plugin;
}

TEST(LauncherPluginExports, LoadsAndAnswersPluginInformation) {
  testing::HostcliClient host;
  ASSERT_TRUE(host.ok());
  LauncherPlugin& plugin = Plugin();
  ASSERT_TRUE(plugin.ok());
  host.Reset();

  const char* first = plugin.appinfo("D:\\Game\\.Minecraft\\.Quillon\\Ver.5.0\\Plugin_File\\Quillon反作弊\\");
  ASSERT_NE(first, nullptr);
  std::string text = first;
  EXPECT_EQ(text.rfind("{\"SDK版本\":\"1.0.0\",\"插件名字\":\"Quillon反作弊\",\"插件版本\":\"1.0.1\",\"插件作者\":\"", 0), 0u)
      << text;
  JsonDocument info;
  ASSERT_TRUE(info.Parse(text));
  EXPECT_EQ(info.GetCount(""), 5);
  EXPECT_EQ(info.GetKey("[4]"), "作者联系链接");

  ASSERT_EQ(host.CallCount(), 1);
  EXPECT_EQ(host.CallName(0), "launcher_function_timestamp");

  // A second call rebuilds the same text.
  EXPECT_EQ(std::string(plugin.appinfo("D:\\Game\\")), text);
  EXPECT_EQ(plugin.appstart(0), 1);
}

TEST(LauncherPluginExports, HostileArgumentsAreHarmless) {
  LauncherPlugin& plugin = Plugin();
  ASSERT_TRUE(plugin.ok());
  ASSERT_NE(plugin.appinfo(nullptr), nullptr);
  EXPECT_EQ(plugin.appstart(12345), 1);
  plugin.menu();
  EXPECT_EQ(plugin.events(nullptr, nullptr), 2);
  EXPECT_EQ(plugin.events("launcher_unknown_event", "{"), 2);
  plugin.scdatas(nullptr, 10);
  const uint8_t junk[] = {1, 2, 3};
  plugin.scdatas(junk, -5);
  plugin.scdatas(junk, 3);
}

}  // namespace
}  // namespace quillon
