#include "tests/support/byte_patterns.h"

#include <vector>

namespace quillon::testing {
namespace {

// xorshift32: tiny and identical everywhere (std:: distributions are not).
class Generator {
 public:
  explicit Generator(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }

 private:
  uint32_t state_;
};

}  // namespace

std::string RandomBytes(size_t size, uint32_t seed) {
  Generator g(seed);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(g.Next() >> 24);
  return out;
}

std::string RepetitiveBytes(size_t size, uint32_t seed) {
  Generator g(seed);
  std::string phrase = RandomBytes(5 + g.Next() % 40, seed + 1);
  std::string out;
  out.reserve(size);
  while (out.size() < size) {
    out.append(phrase, 0, size - out.size());
    if (g.Next() % 8 == 0) out[g.Next() % out.size()] = static_cast<char>(g.Next());
  }
  return out;
}

std::string TextLikeBytes(size_t size, uint32_t seed) {
  static const char* const kWords[] = {"mods", "jar", "\"size\"", "fscode", "Zones", "enable",
                                       "true", "false", "{", "}", ":", ",", "libraries", "S_"};
  Generator g(seed);
  std::string out;
  out.reserve(size + 16);
  while (out.size() < size) {
    if (g.Next() % 4 == 0) {
      out += std::to_string(g.Next() % 100000);
    } else {
      out += kWords[g.Next() % (sizeof(kWords) / sizeof(kWords[0]))];
    }
    out.push_back(g.Next() % 10 == 0 ? '\n' : ' ');
  }
  out.resize(size);
  return out;
}

std::string DistinctPairBytes(size_t size, uint32_t seed) {
  Generator g(seed);
  std::vector<bool> seen(size_t{1} << 16, false);
  std::string out;
  out.reserve(size);
  while (out.size() < size) {
    out.push_back(static_cast<char>(g.Next() >> 24));
    const size_t n = out.size();
    if (n < 2) continue;
    const size_t pair = size_t{static_cast<unsigned char>(out[n - 2])} << 8 | static_cast<unsigned char>(out[n - 1]);
    if (seen[pair]) {
      out.pop_back();  // draw another byte instead
    } else {
      seen[pair] = true;
    }
  }
  return out;
}

}  // namespace quillon::testing
