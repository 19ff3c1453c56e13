#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/gbk_text.h"
#include "platform/posix/fd_io.h"
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
  return ReadToEnd(fd.get(), out);
}

bool WriteWholeFile(std::string_view path, std::string_view data) {
  UniqueFd fd(::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  return fd.valid() && WriteAll(fd.get(), data);
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
