#include "platform/sequential_file.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/win32/wide_path.h"

namespace quillon::platform {
namespace {

HANDLE AsHandle(intptr_t h) { return reinterpret_cast<HANDLE>(h); }

}  // namespace

SequentialFile::SequentialFile(SequentialFile&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

SequentialFile& SequentialFile::operator=(SequentialFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, -1);
  }
  return *this;
}

SequentialFile::~SequentialFile() { Close(); }

bool SequentialFile::Open(std::string_view path, IfMissing if_missing) {
  Close();
  DWORD disposition = if_missing == IfMissing::kCreateEmpty ? OPEN_ALWAYS : OPEN_EXISTING;
  HANDLE h = ::CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  if (::GetFileType(h) != FILE_TYPE_DISK) {
    ::CloseHandle(h);
    return false;
  }
  handle_ = reinterpret_cast<intptr_t>(h);
  return true;
}

bool SequentialFile::is_open() const { return handle_ != -1; }

int64_t SequentialFile::Size() const {
  LARGE_INTEGER size;
  if (handle_ == -1 || !::GetFileSizeEx(AsHandle(handle_), &size)) return -1;
  return static_cast<int64_t>(size.QuadPart);
}

int64_t SequentialFile::ReadAt(int64_t offset, void* buffer, size_t length) {
  if (handle_ == -1 || offset < 0) return -1;
  char* out = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < length) {
    // A synchronous handle reads at the offset given in OVERLAPPED and returns when done.
    uint64_t at = static_cast<uint64_t>(offset) + done;
    OVERLAPPED where = {};
    where.Offset = static_cast<DWORD>(at);
    where.OffsetHigh = static_cast<DWORD>(at >> 32);
    DWORD piece = static_cast<DWORD>(std::min<size_t>(length - done, 1u << 30));
    DWORD n = 0;
    if (!::ReadFile(AsHandle(handle_), out + done, piece, &n, &where)) {
      if (::GetLastError() == ERROR_HANDLE_EOF) break;
      return -1;
    }
    if (n == 0) break;
    done += n;
  }
  return static_cast<int64_t>(done);
}

void SequentialFile::Close() {
  if (handle_ != -1) ::CloseHandle(AsHandle(handle_));
  handle_ = -1;
}

}  // namespace quillon::platform
