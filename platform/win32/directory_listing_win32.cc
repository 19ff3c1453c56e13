#include "platform/directory_listing.h"

#include <windows.h>

#include "common/gbk_text.h"
#include "platform/win32/wide_path.h"

namespace quillon::platform {
namespace {

// Owns a find handle and closes it with FindClose.
class UniqueFindHandle {
 public:
  explicit UniqueFindHandle(HANDLE h) : h_(h) {}
  UniqueFindHandle(const UniqueFindHandle&) = delete;
  UniqueFindHandle& operator=(const UniqueFindHandle&) = delete;
  ~UniqueFindHandle() {
    if (valid()) ::FindClose(h_);
  }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

DirectoryEntry EntryFromFindData(const WIN32_FIND_DATAW& data) {
  DirectoryEntry entry;
  std::u16string wide;
  for (const WCHAR* c = data.cFileName; *c != 0 && c < data.cFileName + MAX_PATH; ++c) {
    wide += static_cast<char16_t>(*c);
  }
  if (!Utf16ToGbkExact(wide, entry.name)) {
    // Characters without a GBK form become "?", which Windows never accepts in a file name.
    entry.exact_name = false;
    entry.name = Utf16ToGbk(wide);
  }
  entry.is_directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  entry.is_link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  return entry;
}

}  // namespace

bool ListDirectory(std::string_view path, std::vector<DirectoryEntry>& out) {
  out.clear();
  std::wstring search = WidePath(path);
  if (search.empty() || (search.back() != L'\\' && search.back() != L'/')) search += L'\\';
  search += L'*';
  WIN32_FIND_DATAW data;
  UniqueFindHandle find(::FindFirstFileExW(search.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH));
  if (!find.valid()) {
    // No entry at all (not even "." and ".."): an empty drive root, say.
    return ::GetLastError() == ERROR_FILE_NOT_FOUND && IsDirectory(path);
  }
  while (true) {
    std::wstring_view name(data.cFileName);
    if (name != L"." && name != L"..") out.push_back(EntryFromFindData(data));
    if (!::FindNextFileW(find.get(), &data)) {
      if (::GetLastError() == ERROR_NO_MORE_FILES) return true;
      out.clear();
      return false;
    }
  }
}

std::string EntryPath(std::string_view directory, const DirectoryEntry& entry) {
  // An inexact name holds "?", so the path cannot be opened or created as it stands.
  std::string path(directory);
  path += entry.name;
  return path;
}

bool IsDirectory(std::string_view path) {
  DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace quillon::platform
