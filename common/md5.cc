#include "common/md5.h"

#include <bit>
#include <cstring>

namespace quillon {
namespace {

inline uint32_t LoadLittleEndian(const uint8_t* p) {
  if constexpr (std::endian::native == std::endian::little) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
  } else {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
  }
}

// The four auxiliary functions in forms that need fewer operations than RFC 1321's text.
inline uint32_t F(uint32_t x, uint32_t y, uint32_t z) { return z ^ (x & (y ^ z)); }
inline uint32_t G(uint32_t x, uint32_t y, uint32_t z) { return y ^ (z & (x ^ y)); }
inline uint32_t H(uint32_t x, uint32_t y, uint32_t z) { return x ^ y ^ z; }
inline uint32_t I(uint32_t x, uint32_t y, uint32_t z) { return y ^ (x | ~z); }

#define QUILLON_MD5_STEP(f, a, b, c, d, x, t, s) \
  a += f(b, c, d) + (x) + (t);                   \
  a = std::rotl(a, s) + b;

// Processes count whole 64-byte blocks.
void Transform(uint32_t state[4], const uint8_t* data, size_t count) {
  uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
  for (; count > 0; --count, data += 64) {
    uint32_t x[16];
    for (int i = 0; i < 16; ++i) x[i] = LoadLittleEndian(data + 4 * i);
    const uint32_t aa = a, bb = b, cc = c, dd = d;

    QUILLON_MD5_STEP(F, a, b, c, d, x[0], 0xd76aa478, 7)
    QUILLON_MD5_STEP(F, d, a, b, c, x[1], 0xe8c7b756, 12)
    QUILLON_MD5_STEP(F, c, d, a, b, x[2], 0x242070db, 17)
    QUILLON_MD5_STEP(F, b, c, d, a, x[3], 0xc1bdceee, 22)
    QUILLON_MD5_STEP(F, a, b, c, d, x[4], 0xf57c0faf, 7)
    QUILLON_MD5_STEP(F, d, a, b, c, x[5], 0x4787c62a, 12)
    QUILLON_MD5_STEP(F, c, d, a, b, x[6], 0xa8304613, 17)
    QUILLON_MD5_STEP(F, b, c, d, a, x[7], 0xfd469501, 22)
    QUILLON_MD5_STEP(F, a, b, c, d, x[8], 0x698098d8, 7)
    QUILLON_MD5_STEP(F, d, a, b, c, x[9], 0x8b44f7af, 12)
    QUILLON_MD5_STEP(F, c, d, a, b, x[10], 0xffff5bb1, 17)
    QUILLON_MD5_STEP(F, b, c, d, a, x[11], 0x895cd7be, 22)
    QUILLON_MD5_STEP(F, a, b, c, d, x[12], 0x6b901122, 7)
    QUILLON_MD5_STEP(F, d, a, b, c, x[13], 0xfd987193, 12)
    QUILLON_MD5_STEP(F, c, d, a, b, x[14], 0xa679438e, 17)
    QUILLON_MD5_STEP(F, b, c, d, a, x[15], 0x49b40821, 22)

    QUILLON_MD5_STEP(G, a, b, c, d, x[1], 0xf61e2562, 5)
    QUILLON_MD5_STEP(G, d, a, b, c, x[6], 0xc040b340, 9)
    QUILLON_MD5_STEP(G, c, d, a, b, x[11], 0x265e5a51, 14)
    QUILLON_MD5_STEP(G, b, c, d, a, x[0], 0xe9b6c7aa, 20)
    QUILLON_MD5_STEP(G, a, b, c, d, x[5], 0xd62f105d, 5)
    QUILLON_MD5_STEP(G, d, a, b, c, x[10], 0x02441453, 9)
    QUILLON_MD5_STEP(G, c, d, a, b, x[15], 0xd8a1e681, 14)
    QUILLON_MD5_STEP(G, b, c, d, a, x[4], 0xe7d3fbc8, 20)
    QUILLON_MD5_STEP(G, a, b, c, d, x[9], 0x21e1cde6, 5)
    QUILLON_MD5_STEP(G, d, a, b, c, x[14], 0xc33707d6, 9)
    QUILLON_MD5_STEP(G, c, d, a, b, x[3], 0xf4d50d87, 14)
    QUILLON_MD5_STEP(G, b, c, d, a, x[8], 0x455a14ed, 20)
    QUILLON_MD5_STEP(G, a, b, c, d, x[13], 0xa9e3e905, 5)
    QUILLON_MD5_STEP(G, d, a, b, c, x[2], 0xfcefa3f8, 9)
    QUILLON_MD5_STEP(G, c, d, a, b, x[7], 0x676f02d9, 14)
    QUILLON_MD5_STEP(G, b, c, d, a, x[12], 0x8d2a4c8a, 20)

    QUILLON_MD5_STEP(H, a, b, c, d, x[5], 0xfffa3942, 4)
    QUILLON_MD5_STEP(H, d, a, b, c, x[8], 0x8771f681, 11)
    QUILLON_MD5_STEP(H, c, d, a, b, x[11], 0x6d9d6122, 16)
    QUILLON_MD5_STEP(H, b, c, d, a, x[14], 0xfde5380c, 23)
    QUILLON_MD5_STEP(H, a, b, c, d, x[1], 0xa4beea44, 4)
    QUILLON_MD5_STEP(H, d, a, b, c, x[4], 0x4bdecfa9, 11)
    QUILLON_MD5_STEP(H, c, d, a, b, x[7], 0xf6bb4b60, 16)
    QUILLON_MD5_STEP(H, b, c, d, a, x[10], 0xbebfbc70, 23)
    QUILLON_MD5_STEP(H, a, b, c, d, x[13], 0x289b7ec6, 4)
    QUILLON_MD5_STEP(H, d, a, b, c, x[0], 0xeaa127fa, 11)
    QUILLON_MD5_STEP(H, c, d, a, b, x[3], 0xd4ef3085, 16)
    QUILLON_MD5_STEP(H, b, c, d, a, x[6], 0x04881d05, 23)
    QUILLON_MD5_STEP(H, a, b, c, d, x[9], 0xd9d4d039, 4)
    QUILLON_MD5_STEP(H, d, a, b, c, x[12], 0xe6db99e5, 11)
    QUILLON_MD5_STEP(H, c, d, a, b, x[15], 0x1fa27cf8, 16)
    QUILLON_MD5_STEP(H, b, c, d, a, x[2], 0xc4ac5665, 23)

    QUILLON_MD5_STEP(I, a, b, c, d, x[0], 0xf4292244, 6)
    QUILLON_MD5_STEP(I, d, a, b, c, x[7], 0x432aff97, 10)
    QUILLON_MD5_STEP(I, c, d, a, b, x[14], 0xab9423a7, 15)
    QUILLON_MD5_STEP(I, b, c, d, a, x[5], 0xfc93a039, 21)
    QUILLON_MD5_STEP(I, a, b, c, d, x[12], 0x655b59c3, 6)
    QUILLON_MD5_STEP(I, d, a, b, c, x[3], 0x8f0ccc92, 10)
    QUILLON_MD5_STEP(I, c, d, a, b, x[10], 0xffeff47d, 15)
    QUILLON_MD5_STEP(I, b, c, d, a, x[1], 0x85845dd1, 21)
    QUILLON_MD5_STEP(I, a, b, c, d, x[8], 0x6fa87e4f, 6)
    QUILLON_MD5_STEP(I, d, a, b, c, x[15], 0xfe2ce6e0, 10)
    QUILLON_MD5_STEP(I, c, d, a, b, x[6], 0xa3014314, 15)
    QUILLON_MD5_STEP(I, b, c, d, a, x[13], 0x4e0811a1, 21)
    QUILLON_MD5_STEP(I, a, b, c, d, x[4], 0xf7537e82, 6)
    QUILLON_MD5_STEP(I, d, a, b, c, x[11], 0xbd3af235, 10)
    QUILLON_MD5_STEP(I, c, d, a, b, x[2], 0x2ad7d2bb, 15)
    QUILLON_MD5_STEP(I, b, c, d, a, x[9], 0xeb86d391, 21)

    a += aa;
    b += bb;
    c += cc;
    d += dd;
  }
  state[0] = a;
  state[1] = b;
  state[2] = c;
  state[3] = d;
}

#undef QUILLON_MD5_STEP

}  // namespace

void Md5::Reset() {
  state_[0] = 0x67452301;
  state_[1] = 0xefcdab89;
  state_[2] = 0x98badcfe;
  state_[3] = 0x10325476;
  length_ = 0;
}

void Md5::Update(const void* data, size_t length) {
  const uint8_t* p = static_cast<const uint8_t*>(data);
  size_t used = static_cast<size_t>(length_ % 64);
  length_ += length;
  if (used > 0) {
    size_t take = 64 - used < length ? 64 - used : length;
    std::memcpy(pending_ + used, p, take);
    p += take;
    length -= take;
    if (used + take < 64) return;
    Transform(state_, pending_, 1);
  }
  Transform(state_, p, length / 64);
  p += length / 64 * 64;
  length %= 64;
  if (length > 0) std::memcpy(pending_, p, length);
}

Md5Digest Md5::Finish() {
  const uint64_t bit_length = length_ * 8;
  uint8_t padding[72] = {0x80};
  size_t used = static_cast<size_t>(length_ % 64);
  size_t pad = used < 56 ? 56 - used : 120 - used;
  for (int i = 0; i < 8; ++i) padding[pad + i] = static_cast<uint8_t>(bit_length >> (8 * i));
  Update(padding, pad + 8);
  Md5Digest digest;
  for (int i = 0; i < 4; ++i) {
    for (int k = 0; k < 4; ++k) digest[4 * i + k] = static_cast<uint8_t>(state_[i] >> (8 * k));
  }
  Reset();
  return digest;
}

std::string Md5Hex(const Md5Digest& digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(32, '\0');
  for (size_t i = 0; i < digest.size(); ++i) {
    text[2 * i] = kDigits[digest[i] >> 4];
    text[2 * i + 1] = kDigits[digest[i] & 0x0F];
  }
  return text;
}

std::string Md5Hex(std::string_view bytes) {
  Md5 md5;
  md5.Update(bytes);
  return Md5Hex(md5.Finish());
}

}  // namespace quillon
