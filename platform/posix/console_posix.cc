#include "platform/console.h"

#include <unistd.h>

#include <cerrno>

#include "common/gbk_text.h"

namespace quillon::platform {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc && argv != nullptr && argv[i] != nullptr; ++i) arguments.push_back(Utf8ToGbk(argv[i]));
  return arguments;
}

std::string ConsoleText(std::string_view gbk) { return GbkToUtf8(gbk); }

bool ReadStandardInput(std::string& out) {
  out.clear();
  char buffer[65536];
  while (true) {
    ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      out.clear();
      return false;
    }
    if (n == 0) return true;
    out.append(buffer, static_cast<size_t>(n));
  }
}

bool WriteStandardOutput(std::string_view bytes) { return WriteAll(STDOUT_FILENO, bytes); }

bool WriteStandardError(std::string_view bytes) { return WriteAll(STDERR_FILENO, bytes); }

}  // namespace quillon::platform
