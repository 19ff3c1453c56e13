#include "common/qfp_data.h"

#include <utility>

#include "common/qfp_file.h"

namespace quillon {
namespace {

// Compact escaped text of a document; "{}" for a document without a root.
std::string CompactText(const JsonDocument& document) {
  return document.HasRoot() ? document.ToText() : std::string("{}");
}

}  // namespace

bool ReadQfpData(std::string_view file_bytes, QfpData& out) {
  QfpPayload payload;
  if (!DecodeQfpFile(file_bytes, payload)) return false;
  JsonDocument whitelist;
  whitelist.Parse(payload.whitelist_json);
  JsonDocument verification;
  verification.Parse(payload.verification_json);
  out.zone = std::move(payload.zone);
  out.whitelist = WhitelistDirectories(whitelist);
  out.verification = VerificationGroups(verification);
  return true;
}

std::string QfpDataFileText(std::string_view zone, const JsonDocument& whitelist, const JsonDocument& group_list) {
  return QfpFileText(zone, CompactText(whitelist), CompactText(group_list));
}

}  // namespace quillon
