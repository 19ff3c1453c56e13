// Whole reads and writes on POSIX file descriptors, retried on interruption.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <string>
#include <string_view>

namespace quillon::platform {

// Appends everything up to end of file to out. False (out emptied) on a read error.
inline bool ReadToEnd(int fd, std::string& out) {
  char buffer[65536];
  while (true) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      out.clear();
      return false;
    }
    if (n == 0) return true;
    out.append(buffer, static_cast<size_t>(n));
  }
}

// Writes every byte. False when the descriptor refuses them.
inline bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace quillon::platform
