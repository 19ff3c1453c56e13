#include "launcher_plugin/walk_directory.h"

#include <algorithm>
#include <limits>

#include "common/dbcs_text.h"
#include "common/wildcard_match.h"
#include "platform/directory_listing.h"

namespace quillon::launcher {
namespace {

// The pieces of the pattern text between "|" characters ("|" can be a GBK trail byte, so the
// text is walked character by character).
std::vector<std::string_view> SplitPatterns(std::string_view text) {
  std::vector<std::string_view> pieces;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); i += GbkCharLength(text, i)) {
    if (text[i] == '|') {
      pieces.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

std::string WithTrailingBackslash(std::string_view directory) {
  std::string d(directory);
  if (d.empty() || FindLastBackslash(d) != d.size() - 1) d += '\\';
  return d;
}

}  // namespace

int32_t WalkDirectory(std::string_view directory, std::string_view patterns, std::vector<std::string>& list,
                      bool with_path, bool recurse, const std::function<void()>& pump_events) {
  auto pump = [&pump_events] {
    if (pump_events) pump_events();
  };
  if (!recurse) list.clear();
  const std::vector<std::string_view> pattern_list = SplitPatterns(patterns);

  // Depth first without recursion on the call stack (a deep tree cannot exhaust it): the
  // subdirectories of a directory are pushed in reverse, so the first is walked next.
  std::vector<std::string> pending{WithTrailingBackslash(directory)};
  std::vector<platform::DirectoryEntry> entries;
  bool top = true;
  while (!pending.empty()) {
    const std::string d = std::move(pending.back());
    pending.pop_back();
    platform::ListDirectory(d, entries);  // a directory that cannot be listed gives no entries
    std::sort(entries.begin(), entries.end(),
              [](const platform::DirectoryEntry& a, const platform::DirectoryEntry& b) { return a.name < b.name; });

    for (std::string_view pattern : pattern_list) {
      for (const platform::DirectoryEntry& entry : entries) {
        if (entry.is_directory || !WildcardMatch(pattern, entry.name)) continue;
        list.push_back(with_path ? platform::EntryPath(d, entry) : entry.name);
        pump();
      }
    }

    if (recurse) {
      const size_t first = pending.size();
      for (const platform::DirectoryEntry& entry : entries) {
        if (!entry.is_directory || entry.is_link) continue;
        if (entry.exact_name) {
          pending.push_back(d + entry.name + "\\");
        } else {
          // Its contents cannot be reached under an approximate name. It is listed like a
          // file, under a path that cannot be opened, so checking it fails instead of its
          // files going unseen.
          list.push_back(with_path ? platform::EntryPath(d, entry) : entry.name);
          pump();
        }
      }
      std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(first), pending.end());
    }
    if (!top) pump();
    top = false;
  }
  return static_cast<int32_t>(std::min<size_t>(list.size(), std::numeric_limits<int32_t>::max()));
}

}  // namespace quillon::launcher
