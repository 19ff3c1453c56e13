// MD5 message digest (RFC 1321).
//
// Md5 digests a byte stream given in pieces of any length; Finish gives the 16-byte digest and
// leaves the object ready for a new stream. Md5Hex writes a digest as 32 lower-case hexadecimal
// digits, two per byte, high digit first: the form every fingerprint uses.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillon {

using Md5Digest = std::array<uint8_t, 16>;

class Md5 {
 public:
  Md5() { Reset(); }

  // Starts a new stream.
  void Reset();

  // Appends length bytes to the stream.
  void Update(const void* data, size_t length);
  void Update(std::string_view bytes) { Update(bytes.data(), bytes.size()); }

  // The digest of the stream so far; the object then starts a new stream.
  Md5Digest Finish();

 private:
  uint32_t state_[4];
  uint64_t length_ = 0;  // bytes appended so far
  uint8_t pending_[64];  // the start of an incomplete 64-byte block
};

// 32 lower-case hexadecimal digits.
std::string Md5Hex(const Md5Digest& digest);

// Md5Hex of the digest of bytes.
std::string Md5Hex(std::string_view bytes);

}  // namespace quillon
