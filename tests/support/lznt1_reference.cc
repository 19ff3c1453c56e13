#include "tests/support/lznt1_reference.h"

#include <algorithm>

namespace quillon::testing {

unsigned Lznt1DisplacementBits(size_t produced) {
  static const struct {
    size_t last_position;
    unsigned displacement_bits;
  } kSplits[] = {{16, 4}, {32, 5}, {64, 6}, {128, 7}, {256, 8}, {512, 9}, {1024, 10}, {2048, 11}, {4096, 12}};
  for (const auto& split : kSplits) {
    if (produced <= split.last_position) return split.displacement_bits;
  }
  return 12;
}

size_t Lznt1MaxMatchLength(size_t produced) {
  return (size_t{1} << (16 - Lznt1DisplacementBits(produced))) - 1 + 3;
}

void Lznt1ChunkBuilder::AddItem(bool is_token) {
  if (items_ % 8 == 0) {
    flag_pos_ = body_.size();
    body_.push_back('\0');
  }
  if (is_token) body_[flag_pos_] = static_cast<char>(body_[flag_pos_] | (1 << (items_ % 8)));
  ++items_;
}

void Lznt1ChunkBuilder::Literal(char byte) {
  AddItem(false);
  body_.push_back(byte);
  expanded_.push_back(byte);
}

void Lznt1ChunkBuilder::Match(size_t displacement, size_t length) {
  const unsigned length_bits = 16 - Lznt1DisplacementBits(expanded_.size());
  const size_t token = ((displacement - 1) << length_bits) | (length - 3);
  RawToken(static_cast<uint16_t>(token));
  if (displacement >= 1 && displacement <= expanded_.size()) {
    for (size_t k = 0; k < length; ++k) expanded_.push_back(expanded_[expanded_.size() - displacement]);
  }
}

void Lznt1ChunkBuilder::RawToken(uint16_t token) {
  AddItem(true);
  body_.push_back(static_cast<char>(token & 0xFF));
  body_.push_back(static_cast<char>(token >> 8));
}

std::string Lznt1ChunkBuilder::Chunk() const {
  const uint16_t header = static_cast<uint16_t>(0xB000 | (body_.size() - 1));
  std::string chunk{static_cast<char>(header & 0xFF), static_cast<char>(header >> 8)};
  return chunk + body_;
}

std::string Lznt1RawChunk(const std::string& data) {
  const uint16_t header = static_cast<uint16_t>(0x3000 | (data.size() - 1));
  std::string chunk{static_cast<char>(header & 0xFF), static_cast<char>(header >> 8)};
  return chunk + data;
}

std::string Lznt1RepeatingChunk(size_t position, const std::string& distinct) {
  std::string data = distinct.substr(0, std::min<size_t>(position, 2048));
  while (data.size() < position) {
    const size_t at = data.size();
    const size_t from = at - (1 + (at * 7919) % at);
    for (size_t k = 0; k < 40 && data.size() < position; ++k) data.push_back(data[from + k]);
  }
  while (data.size() < 4096) data.push_back(data[data.size() - position]);
  return data;
}

std::vector<size_t> Lznt1ReferencePositions(const std::string& chunk) {
  std::vector<size_t> positions;
  if (chunk.size() < 2 || (static_cast<unsigned char>(chunk[1]) & 0x80) == 0) return positions;
  const size_t body_end = std::min(chunk.size(), 2 + ((static_cast<unsigned char>(chunk[0]) |
                                                        (static_cast<unsigned char>(chunk[1]) & 0x0F) << 8) + size_t{1}));
  size_t produced = 0;
  for (size_t p = 2; p < body_end;) {
    const unsigned flags = static_cast<unsigned char>(chunk[p++]);
    for (unsigned bit = 0; bit < 8 && p < body_end; ++bit) {
      if ((flags & (1u << bit)) == 0) {
        ++p;
        ++produced;
        continue;
      }
      if (p + 2 > body_end || produced == 0 || produced >= 4096) return positions;
      const unsigned token = static_cast<unsigned char>(chunk[p]) | static_cast<unsigned char>(chunk[p + 1]) << 8;
      positions.push_back(produced);
      produced += (token & ((1u << (16 - Lznt1DisplacementBits(produced))) - 1)) + 3;
      p += 2;
    }
  }
  return positions;
}

}  // namespace quillon::testing
