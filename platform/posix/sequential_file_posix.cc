#include "platform/sequential_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "platform/files.h"

namespace quillon::platform {

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
  // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; it is cleared below.
  const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
  const std::string native = NativePath(path);
  auto open_with = [&](int extra) {
    int opened;
    do {
      opened = ::open(native.c_str(), flags | extra, 0644);
    } while (opened < 0 && errno == EINTR);
    return opened;
  };
  int fd = open_with(0);
  if (fd < 0 && errno == ENOENT && if_missing == IfMissing::kCreateEmpty) {
    // O_EXCL creates a regular file at this very path and never through a dangling symbolic
    // link, so a link in a client folder cannot make us create a file elsewhere.
    fd = open_with(O_CREAT | O_EXCL);
    if (fd < 0 && errno == EEXIST) fd = open_with(0);  // created by someone else meanwhile
  }
  if (fd < 0) return false;
  struct stat st;
  int status = ::fcntl(fd, F_GETFL);
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || status < 0 ||
      ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return false;
  }
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  handle_ = fd;
  return true;
}

bool SequentialFile::is_open() const { return handle_ >= 0; }

int64_t SequentialFile::Size() const {
  struct stat st;
  if (handle_ < 0 || ::fstat(static_cast<int>(handle_), &st) != 0) return -1;
  return static_cast<int64_t>(st.st_size);
}

int64_t SequentialFile::ReadAt(int64_t offset, void* buffer, size_t length) {
  if (handle_ < 0 || offset < 0) return -1;
  char* out = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < length) {
    ssize_t n = ::pread(static_cast<int>(handle_), out + done, length - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<int64_t>(done);
}

void SequentialFile::Close() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
  handle_ = -1;
}

}  // namespace quillon::platform
