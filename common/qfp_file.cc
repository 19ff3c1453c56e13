#include "common/qfp_file.h"

#include <utility>

#include "common/hex_text.h"
#include "common/tagged_block.h"

namespace quillon {

std::string QfpPayloadText(std::string_view zone, std::string_view whitelist_json, std::string_view verification_json) {
  std::string payload = MakeBlock(kZoneBlockOpen, zone, kZoneBlockClose);
  payload += ',';
  payload += MakeBlock(kWhitelistBlockOpen, whitelist_json, kWhitelistBlockClose);
  payload += ',';
  payload += MakeBlock(kVerificationBlockOpen, verification_json, kVerificationBlockClose);
  return payload;
}

std::string QfpFileText(std::string_view zone, std::string_view whitelist_json, std::string_view verification_json) {
  return ToHexText(QfpPayloadText(zone, whitelist_json, verification_json));
}

bool DecodeQfpFile(std::string_view file_bytes, QfpPayload& out) {
  const std::string decoded = FromHexText(TextBeforeZero(file_bytes));
  const std::string_view payload = TextBeforeZero(decoded);
  std::string zone = ExtractBlock(payload, kZoneBlockOpen, kZoneBlockClose);
  if (zone.empty()) return false;
  out.zone = std::move(zone);
  out.whitelist_json = ExtractBlock(payload, kWhitelistBlockOpen, kWhitelistBlockClose);
  out.verification_json = ExtractBlock(payload, kVerificationBlockOpen, kVerificationBlockClose);
  return true;
}

}  // namespace quillon
