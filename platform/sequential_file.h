// A file opened for reading front to back, in positioned reads, with a 64-bit size.
//
// Opening asks for read sharing only and hints sequential access:
// - Windows: CreateFileW with GENERIC_READ, FILE_SHARE_READ and FILE_FLAG_SEQUENTIAL_SCAN. Other
//   processes may read the file meanwhile, but a file that someone holds open for writing (or
//   deleting) cannot be opened, and nobody can open it for writing while it is held here.
// - POSIX has no share modes: the open succeeds whoever else has the file open, and writers are
//   not kept out. The hint is posix_fadvise(POSIX_FADV_SEQUENTIAL). Only regular files open
//   (directories, pipes and devices are refused; a FIFO is never waited on).
// With IfMissing::kCreateEmpty a path that does not exist is created as an empty file (as
// OPEN_ALWAYS does); its parent directory must exist.
// Paths are in the system's own form (GBK, "\" separators). The object owns the handle and
// closes it when destroyed. Nothing throws; failures are reported by results.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillon::platform {

class SequentialFile {
 public:
  enum class IfMissing { kFail, kCreateEmpty };

  SequentialFile() = default;
  SequentialFile(SequentialFile&& other) noexcept;
  SequentialFile& operator=(SequentialFile&& other) noexcept;
  SequentialFile(const SequentialFile&) = delete;
  SequentialFile& operator=(const SequentialFile&) = delete;
  ~SequentialFile();

  // Opens path (closing what this object held). False when it cannot be opened.
  bool Open(std::string_view path, IfMissing if_missing);

  bool is_open() const;

  // The file's size in bytes as the file system reports it now; -1 when it cannot be read.
  int64_t Size() const;

  // Reads up to length bytes starting at offset into buffer. Returns the number of bytes read,
  // fewer than length only at the end of the file (0 there), or -1 on an error.
  int64_t ReadAt(int64_t offset, void* buffer, size_t length);

  void Close();

 private:
  intptr_t handle_ = -1;  // file descriptor (POSIX) or HANDLE (Windows); -1 when closed
};

}  // namespace quillon::platform
