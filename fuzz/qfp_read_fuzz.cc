// The verification data file reader on arbitrary bytes, both as a file and as a payload (hex
// encoded first, so that the JSON blocks are reached at once). It must never crash or read out
// of bounds, and a file written from what was read must read back with the same zone and the
// same number of whitelist and verification groups' directories.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/hex_text.h"
#include "common/qfp_data.h"
#include "common/verification_data.h"

namespace {

void Check(std::string_view file) {
  quillon::QfpData data;
  if (!quillon::ReadQfpData(file, data)) return;
  if (data.zone.empty()) std::abort();
  for (const quillon::VerificationGroup& group : data.verification) {
    quillon::JsonDocument files;
    files.Parse(group.files_json);
  }
  const std::string rewritten =
      quillon::QfpDataFileText(data.zone, quillon::WhitelistDocument(data.whitelist), quillon::GroupListDocument(data.verification));
  quillon::QfpData again;
  if (!quillon::ReadQfpData(rewritten, again) || again.zone != data.zone) std::abort();
  quillon::FingerprintIndexDocument(data.verification).ToText();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Check(bytes);
  Check(quillon::ToHexText(bytes));
  return 0;
}
