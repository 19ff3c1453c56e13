// qfp show [--json] FILE.QFP: the content of a verification data file as readable text.
#include <string>
#include <vector>

#include "common/json_document.h"
#include "common/qfp_data.h"
#include "common/qfp_file.h"
#include "platform/files.h"
#include "tools/qfp_commands.h"

namespace quillon::tools {
namespace {

constexpr std::string_view kHelp =
    "usage: qfp show [--json] FILE.QFP\n"
    "\n"
    "Shows a verification data file: its zone number, the whitelist groups, and the verification\n"
    "groups with their pattern, flags, amount and files. With --json it prints the two JSON parts\n"
    "instead, each on one line: first the whitelist data, then the verification data.\n"
    "A file whose zone block is missing or empty is rejected (exit status 1).\n";

const char* YesNo(bool value) { return value ? "yes" : "no"; }

std::string Describe(const QfpData& data) {
  std::string text = "zone: " + data.zone + "\n";
  text += "whitelist groups: " + std::to_string(data.whitelist.size()) + "\n";
  for (const std::string& directory : data.whitelist) text += "  " + directory + "\n";
  text += "verification groups: " + std::to_string(data.verification.size()) + "\n";
  for (const VerificationGroup& group : data.verification) {
    text += "  " + group.directory + "\n";
    text += "    pattern: " + group.pattern + "\n";
    text += std::string("    all files must match: ") + YesNo(group.all_match) + "\n";
    text += std::string("    subdirectories: ") + YesNo(group.subdirectories) + "\n";
    text += "    amount: " + group.amount + "\n";
    JsonDocument files;
    files.Parse(group.files_json);
    const int32_t count = group.files_json.empty() ? 0 : files.GetCount("");
    text += "    files: " + std::to_string(count) + "\n";
    for (int32_t e = 0; e < count; ++e) {
      std::string element(1, '[');  // appended, not "[" + text: GCC 12 warns falsely on that
      element += std::to_string(e);
      element += ']';
      text += "      " + files.GetText(element + ".fscode") + "\t" + files.GetText(element + ".size") + "\t" +
              files.GetText(element + ".name") + "\n";
    }
  }
  return text;
}

}  // namespace

int RunShow(const std::vector<std::string>& arguments, QfpIo& io) {
  const ParsedArguments parsed = ParseArguments(arguments, {"--json"});
  if (parsed.help) {
    Print(io.out, kHelp);
    return kQfpSuccess;
  }
  if (!parsed.error.empty()) return Fail(io, "show", parsed.error, kQfpUsageError);
  if (parsed.operands.size() != 1) return Fail(io, "show", "give exactly one file", kQfpUsageError);

  const std::string& path = parsed.operands[0];
  std::string bytes;
  if (!platform::FileExists(path)) return Fail(io, "show", "no such file: " + path, kQfpRejected);
  if (!platform::ReadWholeFile(path, bytes)) return Fail(io, "show", "cannot read " + path, kQfpRejected);

  const std::string rejected = path + ": not a verification data file (its zone block is missing or empty)";
  if (parsed.json) {
    QfpPayload payload;
    if (!DecodeQfpFile(bytes, payload)) return Fail(io, "show", rejected, kQfpRejected);
    Print(io.out, payload.whitelist_json + "\n" + payload.verification_json + "\n");
    return kQfpSuccess;
  }
  QfpData data;
  if (!ReadQfpData(bytes, data)) return Fail(io, "show", rejected, kQfpRejected);
  Print(io.out, Describe(data));
  return kQfpSuccess;
}

}  // namespace quillon::tools
