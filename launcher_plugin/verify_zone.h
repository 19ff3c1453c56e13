// Client file verification: does a game client match a zone's verification data?
//
// The verification data (fingerprint index form) holds one member per path group, named by
// the group key of a directory relative to the client's root; each group gives its file-name
// patterns ("fomrt"), whether subdirectories count ("set_subfile"), whether the number of files
// must equal "amount" ("set_allmumber"), and under "files" the recorded size of every allowed
// fingerprint. Groups are checked in member order. For each, the directory is walked
// (launcher_plugin/walk_directory.h); then every file found must lie directly in a whitelisted
// directory or have a fingerprint recorded in the group with exactly its size. A file that
// cannot be read never passes. The first failure ends the check.
//
// Nothing is kept between calls; the documents are only read, so several checks may share
// them. Window events are let run (pump_events) after every file found, every directory
// walked, every 10 MiB read and every group passed.
#pragma once

#include <string>
#include <string_view>

#include "common/json_document.h"
#include "launcher_plugin/fingerprint.h"

namespace quillon::launcher {

struct ZoneVerdict {
  bool passed = true;
  std::string user_text;      // on failure: the text shown to the player
  std::string report_detail;  // on failure: the detail of the violation report
};

// Checks the client at client_root (GBK, "\" separators; a trailing "\" is ignored) against
// the zone's verification data and whitelist data. An empty verification document passes
// without touching the disk. On failure:
//   file count differs (full-match groups): "文件数据发生异常: " + count found,
//                                           detail "数量不一致 - " + count found;
//   a file neither whitelisted nor recorded with its size (or unreadable):
//                                           "未被允许的文件: " + file name,
//                                           detail file name + " # " + its fscode.
ZoneVerdict VerifyZone(std::string_view client_root, const JsonDocument& verification,
                       const JsonDocument& whitelist, const PumpEvents& pump_events = {});

}  // namespace quillon::launcher
