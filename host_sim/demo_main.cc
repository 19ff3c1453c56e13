// The demo: plays the launcher host and the server on a copy of the sample game client. It
// loads the launcher plugin the way the host does (by its file name, through its five exports,
// with the stand-in host library found by name), sends it the server's zone data recorded from
// the sample client, starts the game with a clean client, with a cheat added and cleaned again,
// and prints what the plugin tells its host and the server, in UTF-8.
//
// Linux only: message boxes are recorded through the QUILLON_MSGBOX program.
// usage: quillon_demo SAMPLE_CLIENT_DIR WORK_DIR
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "common/envelope_codec.h"
#include "common/gbk_text.h"
#include "host_sim/reference_zone.h"
#include "platform/abi.h"
#include "platform/dynamic_library.h"
#include "platform/files.h"

namespace {

namespace fs = std::filesystem;
using quillon::GbkToUtf8;

constexpr const char* kPluginFile = "CP-Quillon反作弊.so";
constexpr const char* kHostFile = "LIB-hostcli.so";

template <typename Fn>
Fn Find(void* library, const char* name) {
  return reinterpret_cast<Fn>(quillon::platform::FindLibrarySymbol(library, name));
}

struct Host {
  void(QUILLON_STDCALL* reset)() = nullptr;
  int32_t(QUILLON_STDCALL* call_count)() = nullptr;
  const char*(QUILLON_STDCALL* call_name)(int32_t) = nullptr;
  const char*(QUILLON_STDCALL* call_arg)(int32_t, int32_t) = nullptr;
  const uint8_t*(QUILLON_STDCALL* call_block)(int32_t, int32_t*) = nullptr;
  void(QUILLON_STDCALL* set_gamezones)(const char*) = nullptr;
};

struct Plugin {
  const char*(QUILLON_STDCALL* appinfo)(const char*) = nullptr;
  int32_t(QUILLON_STDCALL* appstart)(int32_t) = nullptr;
  int32_t(QUILLON_STDCALL* events)(const char*, const char*) = nullptr;
  void(QUILLON_STDCALL* scdatas)(const uint8_t*, int32_t) = nullptr;
};

void Say(const std::string& gbk) { std::printf("%s\n", GbkToUtf8(gbk).c_str()); }

// Prints the host calls logged since the last reset, then resets the log.
void ShowHostCalls(const Host& host) {
  for (int i = 0; i < host.call_count(); ++i) {
    std::string name = host.call_name(i);
    if (name == "launcher_function_sendsocketdata") {
      int32_t length = 0;
      const uint8_t* data = host.call_block(i, &length);
      std::string block(reinterpret_cast<const char*>(data), static_cast<size_t>(length));
      Say("  [to server] " + std::to_string(length) + " bytes packed: " + quillon::EnvelopeCodec().Unpack(block));
    } else if (name == "launcher_function_webrunscript") {
      Say(std::string("  [web page] ") + host.call_arg(i, 0) + "(" + host.call_arg(i, 1) + ")");
    } else if (name == "launcher_function_whiterunlog") {
      Say(std::string("  [run log] ") + host.call_arg(i, 1) + ": " + host.call_arg(i, 2));
    } else {
      Say("  [host] " + name);
    }
  }
  host.reset();
}

// Prints the message boxes the plugin has shown since the last call (the message program
// appends them to a file; it runs detached, so give it a moment).
void ShowMessageBoxes(const fs::path& box_file, size_t& shown, size_t expected) {
  std::vector<std::string> lines;
  for (int attempt = 0; attempt < 100; ++attempt) {
    lines.clear();
    std::ifstream in(box_file);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    if (lines.size() >= shown + expected) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  for (; shown < lines.size(); ++shown) std::printf("  [message box] %s\n", lines[shown].c_str());
}

std::string Ready(const Plugin& plugin) {
  int32_t result = plugin.events("launcher_mineclient_ready", "{\"数据_角色名字\":\"Steve\",\"数据_区服序号\":\"1\"}");
  return result == 1 ? "1: the game may start" : "0: the start is refused";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quillon_demo SAMPLE_CLIENT_DIR WORK_DIR\n");
    return 2;
  }
  const fs::path sample = fs::u8path(argv[1]);
  const fs::path work = fs::u8path(argv[2]);
  const fs::path client_dir = work / "client";
  std::error_code ec;
  fs::remove_all(work, ec);
  fs::create_directories(work, ec);
  fs::copy(sample, client_dir, fs::copy_options::recursive, ec);
  if (ec) {
    std::fprintf(stderr, "demo: cannot copy the sample client: %s\n", ec.message().c_str());
    return 1;
  }
  // Message boxes are shown by a detached program; this one records them for the demo.
  const fs::path box_program = work / "message-box";
  const fs::path box_file = work / "message-boxes.txt";
  {
    std::ofstream script(box_program);
    script << "#!/bin/sh\nprintf '(%s) %s: %s\\n' \"$1\" \"$2\" \"$3\" >> '" << box_file.string() << "'\n";
  }
  fs::permissions(box_program, fs::perms::owner_all, ec);
  setenv("QUILLON_MSGBOX", box_program.c_str(), 1);
  size_t boxes = 0;

  void* host_library = quillon::platform::LoadSharedLibrary(kHostFile);
  void* plugin_library = quillon::platform::LoadSharedLibrary(kPluginFile);
  Host host{Find<decltype(Host::reset)>(host_library, "hostcli_control_reset"),
            Find<decltype(Host::call_count)>(host_library, "hostcli_control_call_count"),
            Find<decltype(Host::call_name)>(host_library, "hostcli_control_call_name"),
            Find<decltype(Host::call_arg)>(host_library, "hostcli_control_call_arg"),
            Find<decltype(Host::call_block)>(host_library, "hostcli_control_call_block"),
            Find<decltype(Host::set_gamezones)>(host_library, "hostcli_control_set_gamezones")};
  Plugin plugin{Find<decltype(Plugin::appinfo)>(plugin_library, "_launcher_appinfo"),
                Find<decltype(Plugin::appstart)>(plugin_library, "_launcher_appstart"),
                Find<decltype(Plugin::events)>(plugin_library, "_launcher_events"),
                Find<decltype(Plugin::scdatas)>(plugin_library, "_launcher_scdatas")};
  if (!host.reset || !host.call_count || !host.call_name || !host.call_arg || !host.call_block || !plugin.appinfo ||
      !plugin.appstart || !plugin.events || !plugin.scdatas) {
    std::fprintf(stderr, "demo: cannot load %s or %s (is the library path set?)\n", GbkToUtf8(kPluginFile).c_str(),
                 kHostFile);
    return 1;
  }
  host.reset();

  // The client root in the system's form; the host passes the plugin directory below it.
  const std::string root = quillon::platform::HostPathToSystem(quillon::Utf8ToGbk(fs::absolute(client_dir).string()));
  const std::string plugin_dir = root + "\\.Minecraft\\.Quillon\\Ver.5.0\\Plugin_File\\Quillon反作弊\\";

  Say("== The launcher loads the plugin");
  Say("[host] _launcher_appinfo(\"" + plugin_dir + "\")");
  Say(std::string("  [plugin] ") + plugin.appinfo(plugin_dir.c_str()));
  std::printf("[host] _launcher_appstart(0) = %d\n", plugin.appstart(0));
  ShowHostCalls(host);

  Say("\n== The player starts the game before the server's zone data has arrived");
  plugin.events("launcher_login_success", "{\"数据_角色名字\":\"Steve\"}");
  Say("[host] launcher_mineclient_ready -> " + Ready(plugin));
  ShowHostCalls(host);
  ShowMessageBoxes(box_file, boxes, 1);

  Say("\n== The server sends the zone data: zone 1 protects .Minecraft\\mods\\ as recorded on the reference client");
  quillon::JsonDocument recorded = quillon::host_sim::RecordZone(root, {{"\\.Minecraft\\mods\\"}});
  std::string package = quillon::host_sim::PackedClientPackage({{1, true, recorded, quillon::JsonDocument()}});
  plugin.scdatas(reinterpret_cast<const uint8_t*>(package.data()), static_cast<int32_t>(package.size()));
  ShowHostCalls(host);

  Say("\n== The player starts the game with the unmodified client");
  Say("[host] launcher_mineclient_ready -> " + Ready(plugin));
  ShowHostCalls(host);

  Say("\n== A cheat is dropped into the mods folder: the start is refused and reported");
  const fs::path cheat = client_dir / ".Minecraft" / "mods" / fs::u8path("\xE9\x80\x8F\xE8\xA7\x86-xray.jar");
  std::ofstream(cheat) << "x-ray";
  Say("[host] launcher_mineclient_ready -> " + Ready(plugin));
  ShowHostCalls(host);
  ShowMessageBoxes(box_file, boxes, 1);

  Say("\n== The cheat is removed: the game may start again");
  fs::remove(cheat, ec);
  Say("[host] launcher_mineclient_ready -> " + Ready(plugin));
  ShowHostCalls(host);
  return 0;
}
