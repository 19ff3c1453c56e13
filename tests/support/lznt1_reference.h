// Test-side knowledge of the LZNT1 format, written from the public format description and kept
// apart from the production code: the offset/length split of a reference token by position,
// and a builder of hand-made chunks that also computes what they expand to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillon::testing {

// Displacement bits of a reference token read when `produced` bytes (1..4096) are already in
// the chunk, straight from the format's table.
unsigned Lznt1DisplacementBits(size_t produced);

// Longest reference at that point: length field all ones, + 3.
size_t Lznt1MaxMatchLength(size_t produced);

// Builds one chunk item by item and, alongside, the bytes it expands to (copying references
// byte by byte as the format defines). Tokens are encoded with the table above, and nothing is
// validated, so damaged chunks can be built too.
class Lznt1ChunkBuilder {
 public:
  void Literal(char byte);
  // A reference to `displacement` bytes back, `length` bytes long. The expansion is only
  // tracked while the reference stays inside what was produced.
  void Match(size_t displacement, size_t length);
  // A token with the given 16-bit value (for tokens the split cannot express sensibly).
  void RawToken(uint16_t token);

  // Header (compressed, signature 3, body size) and body.
  std::string Chunk() const;
  std::string Body() const { return body_; }
  const std::string& Expanded() const { return expanded_; }

 private:
  void AddItem(bool is_token);

  std::string body_;
  std::string expanded_;
  size_t flag_pos_ = 0;
  size_t items_ = 0;
};

// A stored (raw) chunk holding data (1..4096 bytes).
std::string Lznt1RawChunk(const std::string& data);

// One chunk of data (4096 bytes) that repeats itself from `position` on (each byte equal to
// the one `position` bytes back). Before that it holds the first bytes of `distinct` (up to
// 2048; see DistinctPairBytes), then copies from varying distances, so that a compressor's
// references stand before `position` and from `position` on.
std::string Lznt1RepeatingChunk(size_t position, const std::string& distinct);

// The positions in the chunk's data (bytes produced before the token) at which the references
// of the chunk that starts `chunk` stand; empty for a stored chunk.
std::vector<size_t> Lznt1ReferencePositions(const std::string& chunk);

}  // namespace quillon::testing
