#include "platform/console.h"

// windows.h must come before shellapi.h.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>

#include "common/gbk_text.h"

namespace quillon::platform {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  _setmode(fd, _O_BINARY);
  while (!bytes.empty()) {
    unsigned piece = static_cast<unsigned>(std::min<size_t>(bytes.size(), 1u << 20));
    int n = _write(fd, bytes.data(), piece);
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  std::vector<std::string> arguments;
  int count = 0;
  LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide != nullptr) {
    for (int i = 1; i < count; ++i) {
      std::wstring_view argument(wide[i]);
      arguments.push_back(Utf16ToGbk(std::u16string(argument.begin(), argument.end())));
    }
    ::LocalFree(wide);
    return arguments;
  }
  // The C runtime's arguments are already in the ANSI code page.
  for (int i = 1; i < argc && argv != nullptr && argv[i] != nullptr; ++i) arguments.emplace_back(argv[i]);
  return arguments;
}

std::string ConsoleText(std::string_view gbk) { return std::string(gbk); }

bool ReadStandardInput(std::string& out) {
  out.clear();
  _setmode(_fileno(stdin), _O_BINARY);
  char buffer[65536];
  while (true) {
    int n = _read(_fileno(stdin), buffer, sizeof buffer);
    if (n < 0) {
      out.clear();
      return false;
    }
    if (n == 0) return true;
    out.append(buffer, static_cast<size_t>(n));
  }
}

bool WriteStandardOutput(std::string_view bytes) { return WriteAll(_fileno(stdout), bytes); }

bool WriteStandardError(std::string_view bytes) { return WriteAll(_fileno(stderr), bytes); }

}  // namespace quillon::platform
