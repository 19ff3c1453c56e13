// Fuzzes the decoders of blocks that arrive from the peer plugin: the envelope's unpacking
// (with and without the CRC check) and the raw LZNT1 decompressor, which must reject damaged
// input without reading or writing out of bounds. Whatever expands cleanly is compressed again
// and must come back unchanged, which exercises the compressor on the same inputs.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/envelope_codec.h"
#include "common/lznt1.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const quillon::EnvelopeCodec codec;

  const auto checked = codec.UnpackWithStatus(input);
  const auto unchecked = codec.UnpackWithStatus(input, quillon::EnvelopeCodec::CrcCheck::kSkip);
  if (checked.status != quillon::UnpackStatus::kOk && !checked.data.empty()) std::abort();
  if (checked.status == quillon::UnpackStatus::kOk && unchecked.data != checked.data) std::abort();

  std::string expanded;
  constexpr size_t kLimit = size_t{1} << 20;
  if (quillon::Lznt1Decompress(input, kLimit, expanded) == quillon::Lznt1Status::kOk) {
    if (expanded.size() > quillon::Lznt1MaxExpandedSize(input.size())) std::abort();
    std::string again;
    const std::string stream = quillon::Lznt1Compress(expanded);
    if (quillon::Lznt1Decompress(stream, expanded.size(), again) != quillon::Lznt1Status::kOk) std::abort();
    if (again != expanded) std::abort();
  }

  if (!input.empty() && codec.Unpack(codec.Pack(input)) != input) std::abort();
  return 0;
}
