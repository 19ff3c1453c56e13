#include "platform/files.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_path.h"

namespace quillon::platform {

std::string NativePath(std::string_view path) { return std::string(path); }

std::string HostPathToSystem(std::string_view path) { return std::string(path); }

bool ReadWholeFile(std::string_view path, std::string& out) {
  out.clear();
  UniqueHandle file(::CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.valid()) return false;
  char buffer[65536];
  while (true) {
    DWORD n = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) {
      out.clear();
      return false;
    }
    if (n == 0) return true;
    out.append(buffer, n);
  }
}

bool WriteWholeFile(std::string_view path, std::string_view data) {
  UniqueHandle file(::CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  size_t done = 0;
  while (done < data.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 30));
    DWORD n = 0;
    if (!::WriteFile(file.get(), data.data() + done, chunk, &n, nullptr) || n == 0) return false;
    done += n;
  }
  return true;
}

bool FileExists(std::string_view path) {
  return ::GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool MakeDirectory(std::string_view path) {
  std::wstring wide = WidePath(path);
  ::CreateDirectoryW(wide.c_str(), nullptr);
  DWORD attributes = ::GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace quillon::platform
