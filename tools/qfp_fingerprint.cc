// qfp fingerprint FILE...: one line "<fscode> TAB <size> TAB <path>" per file.
#include <string>
#include <vector>

#include "launcher_plugin/fingerprint.h"
#include "platform/files.h"
#include "platform/sequential_file.h"
#include "tools/qfp_commands.h"

namespace quillon::tools {
namespace {

constexpr std::string_view kHelp =
    "usage: qfp fingerprint FILE...\n"
    "\n"
    "Prints one line per file: its fingerprint (fscode), a TAB, its size in bytes, a TAB and the\n"
    "path as given. A file that does not exist is reported on standard error and never created;\n"
    "the other files are still fingerprinted, and the exit status is then 1.\n";

}  // namespace

int RunFingerprint(const std::vector<std::string>& arguments, QfpIo& io) {
  const ParsedArguments parsed = ParseArguments(arguments, {});
  if (parsed.help) {
    Print(io.out, kHelp);
    return kQfpSuccess;
  }
  if (!parsed.error.empty()) return Fail(io, "fingerprint", parsed.error, kQfpUsageError);
  if (parsed.operands.empty()) return Fail(io, "fingerprint", "no file given", kQfpUsageError);

  int status = kQfpSuccess;
  for (const std::string& path : parsed.operands) {
    platform::SequentialFile file;
    if (!file.Open(path, platform::SequentialFile::IfMissing::kFail)) {
      const char* reason = platform::FileExists(path) ? "cannot open " : "no such file: ";
      status = Fail(io, "fingerprint", reason + path, kQfpRejected);
      continue;
    }
    int64_t size = 0;
    const std::string fscode = launcher::FingerprintOpenFile(file, size);
    if (fscode.empty()) {
      status = Fail(io, "fingerprint", "cannot read " + path, kQfpRejected);
      continue;
    }
    Print(io.out, fscode + "\t" + std::to_string(size) + "\t" + path + "\n");
  }
  return status;
}

}  // namespace quillon::tools
