// The demo: plays the launcher host on a sample game client. It loads the launcher plugin the
// way the host does (by its file name, through its five exports, with the stand-in host
// library found by name) and prints what the plugin reports to its host, in UTF-8.
#include <cstdint>
#include <cstdio>
#include <string>

#include "common/gbk_text.h"
#include "host_sim/hostcli_control.h"
#include "platform/abi.h"
#include "platform/dynamic_library.h"

namespace {

#if defined(_WIN32)
constexpr const char* kPluginFile = "CP-Quillon反作弊.dll";
constexpr const char* kHostFile = "LIB-hostcli.dll";
#else
constexpr const char* kPluginFile = "CP-Quillon反作弊.so";
constexpr const char* kHostFile = "LIB-hostcli.so";
#endif

template <typename Fn>
Fn Find(void* library, const char* name) {
  return reinterpret_cast<Fn>(quillon::platform::FindLibrarySymbol(library, name));
}

void Print(const std::string& gbk) { std::printf("%s", quillon::GbkToUtf8(gbk).c_str()); }

}  // namespace

int main(int argc, char** argv) {
  // The sample client's root in the system's form; the host passes the plugin directory below it.
  std::string client = argc > 1 ? quillon::Utf8ToGbk(argv[1]) : std::string("demo\\sample_client");
  std::string plugin_dir = client + "\\.Minecraft\\.Quillon\\Ver.5.0\\Plugin_File\\Quillon反作弊\\";

  void* host = quillon::platform::LoadSharedLibrary(kHostFile);
  void* plugin = quillon::platform::LoadSharedLibrary(kPluginFile);
  if (host == nullptr || plugin == nullptr) {
    std::fprintf(stderr, "demo: cannot load %s or %s (is the library path set?)\n",
                 quillon::GbkToUtf8(kPluginFile).c_str(), kHostFile);
    return 1;
  }
  auto reset = Find<void(QUILLON_STDCALL*)()>(host, "hostcli_control_reset");
  auto call_count = Find<int32_t(QUILLON_STDCALL*)()>(host, "hostcli_control_call_count");
  auto call_name = Find<const char*(QUILLON_STDCALL*)(int32_t)>(host, "hostcli_control_call_name");
  auto appinfo = Find<const char*(QUILLON_STDCALL*)(const char*)>(plugin, "_launcher_appinfo");
  auto appstart = Find<int32_t(QUILLON_STDCALL*)(int32_t)>(plugin, "_launcher_appstart");
  if (!reset || !call_count || !call_name || !appinfo || !appstart) {
    std::fprintf(stderr, "demo: an export is missing\n");
    return 1;
  }
  reset();

  Print("[host] _launcher_appinfo(\"" + plugin_dir + "\")\n");
  Print(std::string("[plugin] ") + appinfo(plugin_dir.c_str()) + "\n");
  std::printf("[host] _launcher_appstart(0) = %d\n", appstart(0));
  std::printf("[host] the plugin called back:\n");
  for (int i = 0; i < call_count(); ++i) std::printf("  %s\n", call_name(i));
  return 0;
}
