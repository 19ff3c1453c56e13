#include "launcher_plugin/verify_zone.h"

#include <cstdint>
#include <vector>

#include "common/dbcs_text.h"
#include "common/group_key.h"
#include "common/hex_text.h"
#include "launcher_plugin/walk_directory.h"
#include "platform/directory_listing.h"

namespace quillon::launcher {
namespace {

constexpr std::string_view kUnreadablePrefix = "ReadFileError_";

// The root without trailing "\" characters, so that it joins a group directory with exactly
// one separator and is found inside the paths the walk builds from it.
std::string_view RootWithoutTrailingBackslash(std::string_view root) {
  while (!root.empty() && FindLastBackslash(root) == root.size() - 1) root.remove_suffix(1);
  return root;
}

// The group's directory under the root. A group directory normally begins with "\"; one that
// does not still gets a separator of its own.
std::string GroupPath(std::string_view root, std::string_view directory) {
  std::string path(root);
  if (directory.empty() || directory.front() != '\\') path += '\\';
  path += directory;
  return path;
}

// The directory part of a listed path, relative to the root: the path itself when it names a
// directory, otherwise everything up to and including its last "\"; every occurrence of the
// root removed (ASCII letters without regard to case).
std::string RelativeDirectory(const std::string& path, std::string_view root) {
  std::string directory;
  if (platform::IsDirectory(path)) {
    directory = path;
  } else {
    size_t slash = FindLastBackslash(path);
    directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  }
  return RemoveAllNoCase(directory, root);
}

// The file name of a listed path: the part after its last "\".
std::string FileName(const std::string& path) {
  size_t slash = FindLastBackslash(path);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsWhitelisted(const JsonDocument& whitelist, std::string_view relative_directory) {
  return whitelist.GetInt(ToHexText(relative_directory) + ".type") == 1;
}

ZoneVerdict Fail(std::string user_text, std::string report_detail) {
  return ZoneVerdict{false, std::move(user_text), std::move(report_detail)};
}

}  // namespace

ZoneVerdict VerifyZone(std::string_view client_root, const JsonDocument& verification,
                       const JsonDocument& whitelist, const PumpEvents& pump_events) {
  const std::string_view root = RootWithoutTrailingBackslash(client_root);
  const int32_t groups = verification.GetCount("");
  for (int32_t i = 0; i < groups; ++i) {
    const std::string key = verification.GetKey("[" + std::to_string(i) + "]");
    // The group is read through an alias, so a key is never parsed as a path.
    const JsonDocument group = verification.GetAt("", i);
    const JsonDocument files = group.GetMember("", "files");

    std::vector<std::string> list;
    const int32_t found = WalkDirectory(GroupPath(root, GroupDirectory(key)), group.GetText("fomrt"), list, true,
                                        group.GetBool("set_subfile"), pump_events);
    if (group.GetBool("set_allmumber") && found != group.GetInt("amount")) {
      return Fail("文件数据发生异常: " + std::to_string(found), "数量不一致 - " + std::to_string(found));
    }

    for (const std::string& path : list) {
      if (IsWhitelisted(whitelist, RelativeDirectory(path, root))) continue;
      int64_t size = 0;
      const std::string fscode = Fingerprint(path, size, pump_events);
      const bool unreadable = fscode.empty() || fscode.compare(0, kUnreadablePrefix.size(), kUnreadablePrefix) == 0;
      if (!unreadable && files.GetMember("", fscode).GetInt64("size") == size) continue;
      const std::string name = FileName(path);
      return Fail("未被允许的文件: " + name, name + " # " + fscode);
    }
    if (i + 1 < groups && pump_events) pump_events();
  }
  return ZoneVerdict{};
}

}  // namespace quillon::launcher
