#include "platform/directory_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>

#include "common/dbcs_text.h"
#include "common/gbk_text.h"
#include "platform/files.h"

namespace quillon::platform {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};
using UniqueDir = std::unique_ptr<DIR, DirCloser>;

// The GBK form of a native (UTF-8) name, exact only when converting it back gives the same
// bytes and it holds no "\", which the system's path form would take as a separator.
DirectoryEntry NamedEntry(std::string_view native_name) {
  DirectoryEntry entry;
  std::u16string wide = Utf8ToUtf16(native_name);
  if (Utf16ToGbkExact(wide, entry.name) && GbkToUtf8(entry.name) == native_name &&
      native_name.find('\\') == std::string_view::npos) {
    return entry;
  }
  entry.exact_name = false;
  entry.name = ReplaceAllNoCase(Utf16ToGbk(wide), "\\", "?");
  return entry;
}

}  // namespace

bool ListDirectory(std::string_view path, std::vector<DirectoryEntry>& out) {
  out.clear();
  UniqueDir dir(::opendir(NativePath(path).c_str()));
  if (!dir) return false;
  int dir_fd = ::dirfd(dir.get());
  while (true) {
    errno = 0;
    const dirent* item = ::readdir(dir.get());
    if (item == nullptr) {
      if (errno == 0) return true;
      out.clear();
      return false;
    }
    std::string_view native_name(item->d_name);
    if (native_name == "." || native_name == "..") continue;
    struct stat st;
    // An entry that vanished since readdir returned it is simply not listed.
    if (::fstatat(dir_fd, item->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    DirectoryEntry entry = NamedEntry(native_name);
    if (S_ISLNK(st.st_mode)) {
      entry.is_link = true;
      struct stat target;
      entry.is_directory = ::fstatat(dir_fd, item->d_name, &target, 0) == 0 && S_ISDIR(target.st_mode);
    } else {
      entry.is_directory = S_ISDIR(st.st_mode);
    }
    out.push_back(std::move(entry));
  }
}

std::string EntryPath(std::string_view directory, const DirectoryEntry& entry) {
  std::string path(directory);
  if (!entry.exact_name) {
    // The kernel refuses every path of PATH_MAX bytes or more before looking at any of it, so
    // this one can be neither opened nor created, and it still ends in the entry's name.
    for (size_t i = 0; i < PATH_MAX / 2; ++i) path += ".\\";
  }
  path += entry.name;
  return path;
}

bool IsDirectory(std::string_view path) {
  struct stat st;
  return ::stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace quillon::platform
