// qfp verify FILE.QFP --root CLIENT_ROOT: checks a game client folder against a verification
// data file exactly as the launcher plugin checks it at a game start.
//
// The file's data takes the path the zone data takes to a player: read into groups as the zone
// data editor reads it, turned into fingerprint index form and whitelist data, written as JSON
// text and parsed again; then the plugin's own VerifyZone runs on the folder.
#include <string>
#include <vector>

#include "common/json_document.h"
#include "common/qfp_data.h"
#include "common/verification_data.h"
#include "launcher_plugin/verify_zone.h"
#include "platform/directory_listing.h"
#include "platform/files.h"
#include "tools/qfp_commands.h"

namespace quillon::tools {
namespace {

constexpr std::string_view kCommand = "verify";
constexpr int kVerifyPass = 0;
constexpr int kVerifyViolation = 1;
constexpr int kVerifyBadInput = 2;

constexpr std::string_view kHelp =
    "usage: qfp verify FILE.QFP --root CLIENT_ROOT\n"
    "\n"
    "Checks the game client folder CLIENT_ROOT against the verification data file exactly as the\n"
    "launcher plugin checks a client at a game start: every protected directory is walked, and\n"
    "every file found must lie directly in a whitelisted directory or have its fingerprint and\n"
    "size recorded. A trailing separator on CLIENT_ROOT is ignored.\n"
    "Prints \"pass\", or two lines: the text the player would be shown, then the detail of the\n"
    "violation report. Exit status: 0 pass, 1 violation, 2 bad input (usage, a missing or\n"
    "rejected file, a missing folder).\n";

// The data as the launcher receives it: JSON text parsed into a document.
JsonDocument AsReceived(const JsonDocument& document) {
  JsonDocument received;
  received.Parse(document.ToText());
  return received;
}

// The root in the system's path form: "/" becomes "\" ("/" is never part of a double-byte
// character).
std::string SystemRoot(std::string_view root) {
  std::string out(root);
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

}  // namespace

int RunVerify(const std::vector<std::string>& arguments, QfpIo& io) {
  // "--root" takes a value, which the shared option parser does not know: take it out first.
  std::vector<std::string> rest;
  std::string root;
  bool has_root = false;
  std::string root_error;
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--") {
      rest.insert(rest.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
      break;
    }
    if (arguments[i] != "--root") {
      rest.push_back(arguments[i]);
    } else if (i + 1 >= arguments.size()) {
      root_error = "option --root needs a folder";
    } else if (has_root) {
      root_error = "option --root given twice";
      ++i;
    } else {
      has_root = true;
      root = arguments[++i];
    }
  }
  const ParsedArguments parsed = ParseArguments(rest, {});
  if (parsed.help) {
    Print(io.out, kHelp);
    return kVerifyPass;
  }
  if (!root_error.empty()) return Fail(io, kCommand, root_error, kVerifyBadInput);
  if (!parsed.error.empty()) return Fail(io, kCommand, parsed.error, kVerifyBadInput);
  if (parsed.operands.size() != 1) return Fail(io, kCommand, "give exactly one file", kVerifyBadInput);
  if (!has_root || root.empty()) return Fail(io, kCommand, "give the client folder with --root", kVerifyBadInput);

  const std::string& path = parsed.operands[0];
  std::string bytes;
  if (!platform::FileExists(path)) return Fail(io, kCommand, "no such file: " + path, kVerifyBadInput);
  if (!platform::ReadWholeFile(path, bytes)) return Fail(io, kCommand, "cannot read " + path, kVerifyBadInput);
  QfpData data;
  if (!ReadQfpData(bytes, data)) {
    return Fail(io, kCommand, path + ": not a verification data file (its zone block is missing or empty)",
                kVerifyBadInput);
  }
  const std::string client_root = SystemRoot(root);
  if (!platform::IsDirectory(client_root)) return Fail(io, kCommand, "no such folder: " + root, kVerifyBadInput);

  const launcher::ZoneVerdict verdict =
      launcher::VerifyZone(client_root, AsReceived(FingerprintIndexDocument(data.verification)),
                           AsReceived(WhitelistDocument(data.whitelist)));
  if (verdict.passed) {
    Print(io.out, "pass\n");
    return kVerifyPass;
  }
  Print(io.out, verdict.user_text + "\n" + verdict.report_detail + "\n");
  return kVerifyViolation;
}

}  // namespace quillon::tools
