// Checks the wildcard matcher against a plain dynamic-programming matcher over the same
// characters. Input: pattern bytes, a zero byte, name bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "common/dbcs_text.h"
#include "common/wildcard_match.h"

namespace {

std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> out;
  for (size_t i = 0; i < text.size();) {
    size_t len = quillon::GbkCharLength(text, i);
    out.push_back(text.substr(i, len));
    i += len;
  }
  return out;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool Same(std::string_view p, std::string_view n) {
  if (p == "?") return true;
  if (p.size() != n.size()) return false;
  if (p.size() == 2) return p == n;
  return Lower(p[0]) == Lower(n[0]);
}

bool Reference(std::string_view pattern_text, std::string_view name_text) {
  auto p = Characters(pattern_text);
  auto n = Characters(name_text);
  // ok[i][j]: the first i pattern characters match the first j name characters.
  std::vector<std::vector<char>> ok(p.size() + 1, std::vector<char>(n.size() + 1, 0));
  ok[0][0] = 1;
  for (size_t i = 1; i <= p.size(); ++i) {
    for (size_t j = 0; j <= n.size(); ++j) {
      if (p[i - 1] == "*") {
        ok[i][j] = ok[i - 1][j] || (j > 0 && ok[i][j - 1]);
      } else {
        ok[i][j] = j > 0 && ok[i - 1][j - 1] && Same(p[i - 1], n[j - 1]);
      }
    }
  }
  return ok[p.size()][n.size()] != 0;
}

bool ReferenceWithDotStar(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return false;
  if (Reference(pattern, name)) return true;
  auto p = Characters(pattern);
  size_t k = p.size();
  while (k > 0 && p[k - 1] == "*") --k;
  if (k == p.size() || k == 0 || p[k - 1] != ".") return false;
  size_t stem = 0;
  for (size_t i = 0; i + 1 < k; ++i) stem += p[i].size();
  return Reference(pattern.substr(0, stem), name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 512) return 0;  // keeps the reference matcher's table small
  std::string_view input(reinterpret_cast<const char*>(data), size);
  size_t split = input.find('\0');
  if (split == std::string_view::npos) return 0;
  std::string_view pattern = input.substr(0, split);
  std::string_view name = input.substr(split + 1);
  if (quillon::WildcardMatch(pattern, name) != ReferenceWithDotStar(pattern, name)) std::abort();
  return 0;
}
