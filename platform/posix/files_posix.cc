#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/gbk_text.h"
#include "platform/posix/unique_fd.h"

namespace quillon::platform {

std::string NativePath(std::string_view path) {
  std::string native = GbkToUtf8(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

std::string HostPathToSystem(std::string_view path) {
  std::string system(path);
  for (char& c : system) {
    if (c == '/') c = '\\';
  }
  return system;
}

bool ReadWholeFile(std::string_view path, std::string& out) {
  out.clear();
  UniqueFd fd(::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return false;
  char buffer[65536];
  while (true) {
    ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      out.clear();
      return false;
    }
    if (n == 0) return true;
    out.append(buffer, static_cast<size_t>(n));
  }
}

bool WriteWholeFile(std::string_view path, std::string_view data) {
  UniqueFd fd(::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (!fd.valid()) return false;
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd.get(), data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool FileExists(std::string_view path) {
  struct stat st;
  return ::stat(NativePath(path).c_str(), &st) == 0;
}

bool MakeDirectory(std::string_view path) {
  std::string native = NativePath(path);
  if (::mkdir(native.c_str(), 0755) != 0 && errno != EEXIST) return false;
  struct stat st;
  return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace quillon::platform
