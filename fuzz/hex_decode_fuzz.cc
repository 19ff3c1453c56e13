// Hex text decoding and tagged-block extraction on arbitrary bytes: never crash, never read out
// of bounds; decoding gives at most half as many bytes as the text, and every well-formed pair
// survives a round trip.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/hex_text.h"
#include "common/qfp_file.h"
#include "common/tagged_block.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string bytes = quillon::FromHexText(text);
  if (bytes.size() > size / 2) std::abort();
  if (quillon::FromHexText(quillon::ToHexText(bytes)) != bytes) std::abort();
  if (quillon::ToHexText(text).size() != 2 * size) std::abort();

  // Marks taken from the input itself, so both found and missing marks are exercised.
  const size_t cut = size / 3;
  const std::string content = quillon::ExtractBlock(text.substr(2 * cut), text.substr(0, cut), text.substr(cut, cut));
  if (content.size() > size) std::abort();
  quillon::ExtractBlock(text, quillon::kZoneBlockOpen, quillon::kZoneBlockClose);
  return 0;
}
