// The launcher plugin's process-wide state, kept together in one object that lives from library
// load to unload.
//
// The host's thread and the in-game monitor thread share part of it. The zone data received
// from the server is published as one immutable snapshot (ZoneData behind a shared_ptr that is
// swapped under `mutex`); a check takes one snapshot and reads only that. The current game, the
// time of the last good check and the report block are read and written under `mutex`, never
// held across pumping or waiting. Everything else belongs to the host's thread.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "common/json_document.h"

namespace quillon::launcher {

// The plugin's name: first argument of every host function that takes one, title of every
// message box the plugin shows, and part of its directory name.
inline constexpr char kPluginName[] = "Quillon反作弊";

struct PluginInfo {
  std::string sdk_version;
  std::string plugin_name;
  std::string plugin_version;
  std::string author;
  std::string contact_link;
};

// The game start in progress.
struct CurrentGame {
  std::string character_name;
  std::string zone_number;     // decimal text, 1 to 16
  int32_t game_process_id = 0;
  int32_t monitor_end_time = 0;  // Unix seconds
};

// Zone data from the last client data package. The lists are indexed by zone number - 1 and
// hold either nothing (no package yet) or exactly 16 entries each.
struct ZoneData {
  std::vector<bool> zone_enabled;
  std::vector<JsonDocument> zone_verification;
  std::vector<JsonDocument> zone_whitelist;
  JsonDocument character_whitelist;
};

// The zone the administrator picked in the tool windows.
struct SelectedZone {
  int32_t zone_number = 0;
  std::string zone_name;
  std::string version_folder;
  std::string data_storage_path;
};

struct LauncherState {
  // Set by _launcher_appinfo and _launcher_appstart on the host's thread.
  PluginInfo plugin_info;
  std::string plugin_info_text;
  std::string plugin_dir;
  std::string client_root;

  // Shared with the monitor thread; see the header comment.
  mutable std::mutex mutex;
  std::shared_ptr<const ZoneData> zone_data = std::make_shared<const ZoneData>();
  CurrentGame current_game;
  std::optional<int64_t> last_good_check;  // local date-time, whole seconds since the epoch
  std::string resend_block;                // last packed resend request, handed to the host
  std::string report_block;                // last packed violation report, handed to the host
  // Held while a block is packed, stored and handed to the host (one short critical section).
  std::mutex send_mutex;

  // The tool windows' state (host's thread only).
  JsonDocument zone_list;
  SelectedZone selected_zone;
  JsonDocument read_whitelist;
  JsonDocument read_verification;
};

// The one state object of the loaded library. A running monitor keeps a StateHandle() so the
// state outlives the library's static destruction at process exit.
LauncherState& State();
std::shared_ptr<LauncherState> StateHandle();

// The current zone data snapshot.
std::shared_ptr<const ZoneData> ZoneSnapshot();

}  // namespace quillon::launcher
