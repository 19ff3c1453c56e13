#include "platform/console.h"

#include <unistd.h>

#include "common/gbk_text.h"
#include "platform/posix/fd_io.h"

namespace quillon::platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc && argv != nullptr && argv[i] != nullptr; ++i) arguments.push_back(Utf8ToGbk(argv[i]));
  return arguments;
}

std::string ConsoleText(std::string_view gbk) { return GbkToUtf8(gbk); }

bool ReadStandardInput(std::string& out) {
  out.clear();
  return ReadToEnd(STDIN_FILENO, out);
}

bool WriteStandardOutput(std::string_view bytes) { return WriteAll(STDOUT_FILENO, bytes); }

bool WriteStandardError(std::string_view bytes) { return WriteAll(STDERR_FILENO, bytes); }

}  // namespace quillon::platform
