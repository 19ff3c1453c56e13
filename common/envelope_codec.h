// The compression envelope around every block that travels between the two plugins.
//
// Layout (all integers 32-bit little-endian):
//   offset 0   magic 444660 (0x0006C8F4)
//   offset 4   length of the unpacked data in bytes (signed, > 0 in a valid block)
//   offset 8   CRC-32 of the unpacked data (zlib's value)
//   offset 12  the data compressed as an LZNT1 stream of 4096-byte chunks
//
// Packing never fails for data of up to 2^31 - 1 bytes. Unpacking treats the block as
// untrusted and gives the empty result for anything that is not a sound envelope. The codec
// holds no state between calls, so one object serves every thread of a plugin.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillon {

// Why Unpack gave (or did not give) data.
enum class UnpackStatus {
  kOk,
  kTooShort,        // fewer than 12 bytes
  kBadMagic,        // the first field is not 444660
  kBadLength,       // stated length 0 or less, or more than the compressed bytes can expand to
  kCorruptData,     // the compressed bytes are not a valid LZNT1 stream
  kLengthMismatch,  // the stream expands to a length other than the stated one
  kCrcMismatch,     // the data's CRC-32 differs from the header's
};

// A short English name for status, for diagnostics ("ok", "too short", ...).
const char* UnpackStatusName(UnpackStatus status);

class EnvelopeCodec {
 public:
  static constexpr int32_t kMagic = 444660;
  static constexpr size_t kHeaderSize = 12;

  enum class CrcCheck { kCheck, kSkip };

  struct Unpacked {
    UnpackStatus status = UnpackStatus::kOk;
    std::string data;  // empty unless status is kOk
  };

  // The envelope of data: header, then the LZNT1 stream. Empty data gives a header with length
  // 0 (which Unpack rejects); data longer than 2^31 - 1 bytes gives the empty block.
  std::string Pack(std::string_view data) const;

  // The data inside block, with the CRC check; empty on any rejection.
  std::string Unpack(std::string_view block) const { return UnpackWithStatus(block).data; }

  // The data inside block and why it was rejected, if it was.
  Unpacked UnpackWithStatus(std::string_view block, CrcCheck check = CrcCheck::kCheck) const;
};

}  // namespace quillon
