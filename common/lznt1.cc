#include "common/lznt1.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace quillon {
namespace {

constexpr uint16_t kCompressedFlag = 0x8000;
constexpr uint16_t kSignature = 0x3000;
constexpr size_t kMinMatch = 3;

// How a reference token splits at a given point of a chunk. With `produced` bytes already in
// the chunk (1..4096) the displacement field takes just enough bits to reach back to the chunk
// start (at least 4), and the length field takes the rest of the 16 bits.
struct TokenSplit {
  unsigned length_bits;
  size_t max_length;  // length field all ones, + 3
};

TokenSplit SplitAt(size_t produced) {
  unsigned displacement_bits = 4;
  while ((size_t{1} << displacement_bits) < produced) ++displacement_bits;
  unsigned length_bits = 16 - displacement_bits;
  return {length_bits, (size_t{1} << length_bits) - 1 + kMinMatch};
}

void PutU16(std::string& out, uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

uint16_t GetU16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// Compresses one chunk. Finds, for every position, the longest earlier match the token split
// there allows, then chooses literals and
// references by cost from the end of the chunk backwards, so the body is the smallest that
// those matches allow (a literal costs 9 bits with its flag, a reference 17).
class ChunkCompressor {
 public:
  // Appends the chunk (header and body) for data (1..4096 bytes) to out.
  void Compress(std::string_view data, std::string& out) {
    const auto* in = reinterpret_cast<const unsigned char*>(data.data());
    const size_t n = data.size();
    FindMatches(in, n);
    ChooseItems(n);

    body_.clear();
    size_t flag_pos = 0;
    size_t item = 0;
    for (size_t pos = 0; pos < n; ++item) {
      if (item % 8 == 0) {
        flag_pos = body_.size();
        body_.push_back(0);
      }
      size_t length = choice_[pos];
      if (length >= kMinMatch) {
        TokenSplit split = SplitAt(pos);
        size_t displacement = match_displacement_[pos];
        PutU16(body_, static_cast<uint16_t>(((displacement - 1) << split.length_bits) | (length - kMinMatch)));
        body_[flag_pos] = static_cast<char>(body_[flag_pos] | (1 << (item % 8)));
        pos += length;
      } else {
        body_.push_back(static_cast<char>(in[pos]));
        ++pos;
      }
      if (body_.size() >= n) break;  // cannot beat storing the chunk raw
    }

    if (body_.size() >= n) {
      PutU16(out, static_cast<uint16_t>(kSignature | (n - 1)));
      out.append(data);
    } else {
      PutU16(out, static_cast<uint16_t>(kCompressedFlag | kSignature | (body_.size() - 1)));
      out.append(body_);
    }
  }

 private:
  static constexpr unsigned kHashBits = 13;
  static constexpr int16_t kNone = -1;
  // Candidates examined per position. A match ends early at the longest length the split
  // allows, so highly repetitive data stays fast; the bound only limits data with many equal
  // 4-byte prefixes and short matches.
  static constexpr int kMaxCandidates = 256;

  static uint32_t Hash3(const unsigned char* p) {
    uint32_t v = uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16;
    return (v * 2654435761u) >> (32 - kHashBits);
  }
  static uint32_t Hash4(const unsigned char* p) {
    uint32_t v = uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
    return (v * 2654435761u) >> (32 - kHashBits);
  }

  // Matches of 4 bytes and more are searched along chains of positions with equal 4-byte
  // hashes (head_4_, prev_4_), which stay short even in text over a small alphabet such as hex
  // digits. Every reference costs the same whatever its length and displacement, so when there
  // is none, a 3-byte match only needs the nearest earlier occurrence of those 3 bytes: the
  // first exact one on the chain of 3-byte hashes (head_3_, prev_3_).
  void FindMatches(const unsigned char* in, size_t n) {
    head_3_.fill(kNone);
    head_4_.fill(kNone);
    std::fill(match_length_.begin(), match_length_.begin() + n, 0);
    for (size_t pos = 0; pos + kMinMatch <= n; ++pos) {
      const uint32_t h3 = Hash3(in + pos);
      const bool has_4 = pos + 4 <= n;
      const uint32_t h4 = has_4 ? Hash4(in + pos) : 0;
      if (pos > 0) {
        const size_t limit = std::min(SplitAt(pos).max_length, n - pos);
        size_t best = kMinMatch - 1;
        size_t best_displacement = 0;
        if (match_length_[pos - 1] > kMinMatch) {
          // The match found one position back goes on here, one byte shorter: start from it
          // and extend it, which keeps long runs from being compared again byte by byte.
          const size_t displacement = match_displacement_[pos - 1];
          size_t length = std::min<size_t>(match_length_[pos - 1] - 1, limit);
          while (length < limit && in[pos - displacement + length] == in[pos + length]) ++length;
          best = length;
          best_displacement = displacement;
        }
        int candidates = kMaxCandidates;
        for (int16_t c = has_4 ? head_4_[h4] : kNone; c != kNone && best < limit && candidates-- > 0;
             c = prev_4_[c]) {
          const size_t from = static_cast<size_t>(c);
          if (in[from + best] != in[pos + best]) continue;  // cannot be longer than best
          size_t length = 0;
          while (length < limit && in[from + length] == in[pos + length]) ++length;
          if (length > best) {
            best = length;
            best_displacement = pos - from;
          }
        }
        candidates = kMaxCandidates;
        for (int16_t c = head_3_[h3]; c != kNone && best < kMinMatch && candidates-- > 0; c = prev_3_[c]) {
          const size_t from = static_cast<size_t>(c);
          if (in[from] == in[pos] && in[from + 1] == in[pos + 1] && in[from + 2] == in[pos + 2]) {
            best = kMinMatch;
            best_displacement = pos - from;
          }
        }
        if (best >= kMinMatch) {
          match_length_[pos] = static_cast<uint16_t>(best);
          match_displacement_[pos] = static_cast<uint16_t>(best_displacement);
        }
      }
      prev_3_[pos] = head_3_[h3];
      head_3_[h3] = static_cast<int16_t>(pos);
      if (has_4) {
        prev_4_[pos] = head_4_[h4];
        head_4_[h4] = static_cast<int16_t>(pos);
      }
    }
  }

  // choice_[pos]: the length of the reference to take at pos, or 0 for a literal.
  //
  // cost_[pos] is the smallest cost of encoding the chunk from pos on: a literal and then
  // cost_[pos + 1], or a reference of any length from 3 to match_length_[pos] and then the
  // cost from where it ends. The best end point is a minimum over a range starting at pos + 3,
  // found in a stack of the positions that are cheaper than every position before them
  // (positions rise and costs fall from the top), by binary search on the position.
  void ChooseItems(size_t n) {
    cost_[n] = 0;
    size_t stack_size = 0;
    for (size_t pos = n; pos-- > 0;) {
      if (pos + kMinMatch <= n) {
        const uint16_t added = static_cast<uint16_t>(pos + kMinMatch);
        while (stack_size > 0 && cost_[stack_[stack_size - 1]] >= cost_[added]) --stack_size;
        stack_[stack_size++] = added;
      }
      uint32_t best_cost = 9 + cost_[pos + 1];
      uint16_t best_length = 0;
      if (match_length_[pos] >= kMinMatch) {
        // stack_[0..stack_size) holds falling positions; find the first at or before the end.
        const size_t last_end = pos + match_length_[pos];
        size_t low = 0;
        size_t high = stack_size - 1;  // stack_[high] == pos + 3 <= last_end
        while (low < high) {
          const size_t mid = (low + high) / 2;
          if (stack_[mid] <= last_end) {
            high = mid;
          } else {
            low = mid + 1;
          }
        }
        const uint32_t c = 17 + cost_[stack_[low]];
        if (c <= best_cost) {
          best_cost = c;
          best_length = static_cast<uint16_t>(stack_[low] - pos);
        }
      }
      cost_[pos] = best_cost;
      choice_[pos] = best_length;
    }
  }

  std::array<int16_t, size_t{1} << kHashBits> head_3_{};
  std::array<int16_t, kLznt1ChunkSize> prev_3_{};
  std::array<int16_t, size_t{1} << kHashBits> head_4_{};
  std::array<int16_t, kLznt1ChunkSize> prev_4_{};
  std::array<uint16_t, kLznt1ChunkSize> match_length_{};
  std::array<uint16_t, kLznt1ChunkSize> match_displacement_{};
  std::array<uint16_t, kLznt1ChunkSize> choice_{};
  std::array<uint32_t, kLznt1ChunkSize + 1> cost_{};
  std::array<uint16_t, kLznt1ChunkSize + 1> stack_{};
  std::string body_;
};

// Expands the compressed body of one chunk into chunk; returns the bytes produced, or
// nothing when the body is damaged.
bool ExpandChunk(const unsigned char* body, size_t body_size, unsigned char* chunk, size_t& produced) {
  produced = 0;
  size_t p = 0;
  while (p < body_size) {
    const unsigned flags = body[p++];
    for (unsigned bit = 0; bit < 8 && p < body_size; ++bit) {
      if ((flags & (1u << bit)) == 0) {
        if (produced >= kLznt1ChunkSize) return false;
        chunk[produced++] = body[p++];
        continue;
      }
      if (body_size - p < 2) return false;
      const uint16_t token = GetU16(body + p);
      p += 2;
      if (produced == 0) return false;
      const TokenSplit split = SplitAt(produced);
      const size_t displacement = (token >> split.length_bits) + 1;
      const size_t length = (token & ((1u << split.length_bits) - 1)) + kMinMatch;
      if (displacement > produced || length > kLznt1ChunkSize - produced) return false;
      // Byte by byte: the source may overlap the bytes being produced.
      const unsigned char* from = chunk + produced - displacement;
      for (size_t k = 0; k < length; ++k) chunk[produced + k] = from[k];
      produced += length;
    }
  }
  return true;
}

}  // namespace

std::string Lznt1Compress(std::string_view data) {
  std::string out;
  if (data.empty()) return out;
  out.reserve(data.size() + 2 * ((data.size() + kLznt1ChunkSize - 1) / kLznt1ChunkSize));
  auto compressor = std::make_unique<ChunkCompressor>();
  for (size_t pos = 0; pos < data.size(); pos += kLznt1ChunkSize) {
    compressor->Compress(data.substr(pos, kLznt1ChunkSize), out);
  }
  return out;
}

Lznt1Status Lznt1Decompress(std::string_view stream, size_t limit, std::string& out) {
  out.clear();
  const auto* in = reinterpret_cast<const unsigned char*>(stream.data());
  const size_t size = stream.size();
  std::array<unsigned char, kLznt1ChunkSize> chunk;
  size_t pos = 0;
  size_t previous = kLznt1ChunkSize;  // data bytes of the chunk before; only the last may be short
  Lznt1Status status = Lznt1Status::kOk;
  while (pos < size) {
    if (size - pos < 2) {
      status = Lznt1Status::kCorrupt;
      break;
    }
    const uint16_t header = GetU16(in + pos);
    pos += 2;
    if (header == 0) break;
    const size_t body_size = (header & 0x0FFF) + size_t{1};
    if ((header & 0x7000) != kSignature || body_size > size - pos || previous != kLznt1ChunkSize) {
      status = Lznt1Status::kCorrupt;
      break;
    }
    const unsigned char* body = in + pos;
    pos += body_size;
    size_t produced = 0;
    if (header & kCompressedFlag) {
      if (!ExpandChunk(body, body_size, chunk.data(), produced)) {
        status = Lznt1Status::kCorrupt;
        break;
      }
    } else {
      produced = body_size;  // at most 4096 by the header's 12 bits
      std::memcpy(chunk.data(), body, body_size);
    }
    if (produced > limit - out.size()) {
      status = Lznt1Status::kOverLimit;
      break;
    }
    out.append(reinterpret_cast<const char*>(chunk.data()), produced);
    previous = produced;
  }
  if (status != Lznt1Status::kOk) out.clear();
  return status;
}

uint64_t Lznt1MaxExpandedSize(size_t stream_size) {
  // A chunk of c bytes stands for at most 4096 bytes when c >= 6 (header, flag byte, one
  // literal and one reference) and at most c - 2 bytes otherwise (stored raw).
  const uint64_t full = stream_size / 6;
  const uint64_t rest = stream_size % 6;
  return full * kLznt1ChunkSize + (rest > 2 ? rest - 2 : 0);
}

}  // namespace quillon
