#include "tools/qfp_cli.h"

#include <string_view>

#include "platform/console.h"
#include "tools/qfp_commands.h"

namespace quillon::tools {
namespace {

constexpr std::string_view kUsage =
    "usage: qfp <command> [options] [arguments]\n"
    "\n"
    "Works with the data of the Quillon file anti-cheat.\n"
    "\n"
    "commands:\n"
    "  fingerprint FILE...       print <fscode> TAB <size> TAB <path> for every file\n"
    "  show [--json] FILE.QFP    show a verification data file\n"
    "  verify FILE.QFP --root CLIENT_ROOT\n"
    "                            check a game client folder against a verification data file\n"
    "  pack [-o OUT] [IN]        wrap a file (or standard input) in the compression envelope\n"
    "  unpack [-o OUT] [IN]      take the content out of an enveloped block\n"
    "\n"
    "Run \"qfp <command> --help\" for the details of a command.\n"
    "Exit status: 0 success, 1 an input was rejected or could not be read, 2 usage error;\n"
    "for verify: 0 pass, 1 violation, 2 bad input.\n";

}  // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& arguments, const std::vector<std::string_view>& allowed) {
  ParsedArguments parsed;
  auto is_allowed = [&](std::string_view option) {
    for (std::string_view a : allowed) {
      if (a == option) return true;
    }
    return false;
  };
  bool options_ended = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (options_ended || argument.size() < 2 || argument[0] != '-') {
      parsed.operands.push_back(argument);
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == "--help" || argument == "-h") {
      parsed.help = true;
    } else if (argument == "--json" && is_allowed("--json")) {
      parsed.json = true;
    } else if ((argument == "-o" || argument == "--output") && is_allowed("-o")) {
      if (i + 1 >= arguments.size()) {
        if (parsed.error.empty()) parsed.error = "option " + argument + " needs a file name";
      } else if (parsed.has_output) {
        if (parsed.error.empty()) parsed.error = "option " + argument + " given twice";
      } else {
        parsed.has_output = true;
        parsed.output = arguments[++i];
      }
    } else if (parsed.error.empty()) {
      parsed.error = "unknown option " + argument;
    }
  }
  return parsed;
}

void Print(std::string& stream, std::string_view gbk) { stream += platform::ConsoleText(gbk); }

int Fail(QfpIo& io, std::string_view command, std::string_view message, int status) {
  std::string line = "qfp";
  if (!command.empty()) line.append(" ").append(command);
  line.append(": ").append(message).append("\n");
  Print(io.err, line);
  return status;
}

int RunQfp(const std::vector<std::string>& arguments, QfpIo& io) {
  if (arguments.empty()) {
    Print(io.err, kUsage);
    return kQfpUsageError;
  }
  const std::string& command = arguments[0];
  const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
  if (command == "--help" || command == "-h" || command == "help") {
    Print(io.out, kUsage);
    return kQfpSuccess;
  }
  if (command == "fingerprint") return RunFingerprint(rest, io);
  if (command == "show") return RunShow(rest, io);
  if (command == "verify") return RunVerify(rest, io);
  if (command == "pack") return RunPack(rest, io);
  if (command == "unpack") return RunUnpack(rest, io);
  Fail(io, {}, "unknown command " + command, kQfpUsageError);
  Print(io.err, kUsage);
  return kQfpUsageError;
}

}  // namespace quillon::tools
