#include "common/envelope_codec.h"

#include <limits>

#include "common/crc32.h"
#include "common/lznt1.h"

namespace quillon {
namespace {

void PutU32(std::string& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

uint32_t GetU32(std::string_view block, size_t offset) {
  uint32_t value = 0;
  for (int k = 3; k >= 0; --k) value = (value << 8) | static_cast<unsigned char>(block[offset + k]);
  return value;
}

}  // namespace

const char* UnpackStatusName(UnpackStatus status) {
  switch (status) {
    case UnpackStatus::kOk: return "ok";
    case UnpackStatus::kTooShort: return "too short";
    case UnpackStatus::kBadMagic: return "bad magic";
    case UnpackStatus::kBadLength: return "bad length";
    case UnpackStatus::kCorruptData: return "corrupt compressed data";
    case UnpackStatus::kLengthMismatch: return "length mismatch";
    case UnpackStatus::kCrcMismatch: return "CRC mismatch";
  }
  return "unknown";
}

std::string EnvelopeCodec::Pack(std::string_view data) const {
  if (data.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) return {};
  std::string block;
  PutU32(block, static_cast<uint32_t>(kMagic));
  PutU32(block, static_cast<uint32_t>(data.size()));
  PutU32(block, Crc32(data));
  block += Lznt1Compress(data);
  return block;
}

EnvelopeCodec::Unpacked EnvelopeCodec::UnpackWithStatus(std::string_view block, CrcCheck check) const {
  Unpacked result;
  auto reject = [&result](UnpackStatus status) {
    result.status = status;
    result.data.clear();
    return result;
  };
  if (block.size() < kHeaderSize) return reject(UnpackStatus::kTooShort);
  if (static_cast<int32_t>(GetU32(block, 0)) != kMagic) return reject(UnpackStatus::kBadMagic);
  const int32_t length = static_cast<int32_t>(GetU32(block, 4));
  const std::string_view stream = block.substr(kHeaderSize);
  if (length <= 0 || static_cast<uint64_t>(length) > Lznt1MaxExpandedSize(stream.size())) {
    return reject(UnpackStatus::kBadLength);
  }
  switch (Lznt1Decompress(stream, static_cast<size_t>(length), result.data)) {
    case Lznt1Status::kOk: break;
    case Lznt1Status::kCorrupt: return reject(UnpackStatus::kCorruptData);
    case Lznt1Status::kOverLimit: return reject(UnpackStatus::kLengthMismatch);
  }
  if (result.data.size() != static_cast<size_t>(length)) return reject(UnpackStatus::kLengthMismatch);
  if (check == CrcCheck::kCheck && Crc32(result.data) != GetU32(block, 8)) {
    return reject(UnpackStatus::kCrcMismatch);
  }
  return result;
}

}  // namespace quillon
