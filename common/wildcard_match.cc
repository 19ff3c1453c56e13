#include "common/wildcard_match.h"

#include "common/dbcs_text.h"

namespace quillon {
namespace {

constexpr size_t kNone = std::string_view::npos;

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// True when the pattern character at p (plen bytes) matches the name character at n (nlen
// bytes). "*" is handled by the caller.
bool CharacterMatches(std::string_view pattern, size_t p, size_t plen, std::string_view name, size_t n,
                      size_t nlen) {
  if (plen == 1 && pattern[p] == '?') return true;
  if (plen != nlen) return false;
  if (plen == 2) return pattern[p] == name[n] && pattern[p + 1] == name[n + 1];
  return AsciiLower(pattern[p]) == AsciiLower(name[n]);
}

// "*" and "?" matching without the trailing ".*" rule. Greedy with backtracking to the last
// "*" only, which is enough for these two wildcards: a later "*" can absorb anything an
// earlier one could.
bool MatchCharacters(std::string_view pattern, std::string_view name) {
  size_t p = 0;
  size_t n = 0;
  size_t star = kNone;  // position of the last "*" seen in the pattern
  size_t resume = 0;    // name position that "*" will absorb up to on the next backtrack
  while (n < name.size()) {
    if (p < pattern.size()) {
      size_t plen = GbkCharLength(pattern, p);
      if (plen == 1 && pattern[p] == '*') {
        star = p;
        resume = n;
        ++p;
        continue;
      }
      size_t nlen = GbkCharLength(name, n);
      if (CharacterMatches(pattern, p, plen, name, n, nlen)) {
        p += plen;
        n += nlen;
        continue;
      }
    }
    if (star == kNone) return false;
    p = star + 1;
    resume += GbkCharLength(name, resume);
    n = resume;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// Length of the pattern without a trailing "." + "*"..., or kNone when it has no such tail.
size_t StemBeforeDotStar(std::string_view pattern) {
  size_t last_other = kNone;  // start of the last character that is not "*"
  bool star_after = false;
  for (size_t i = 0; i < pattern.size(); i += GbkCharLength(pattern, i)) {
    if (pattern[i] == '*' && GbkCharLength(pattern, i) == 1) {
      star_after = true;
    } else {
      last_other = i;
      star_after = false;
    }
  }
  if (last_other == kNone || !star_after) return kNone;
  if (pattern[last_other] != '.' || GbkCharLength(pattern, last_other) != 1) return kNone;
  return last_other;
}

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return false;
  if (MatchCharacters(pattern, name)) return true;
  size_t stem = StemBeforeDotStar(pattern);
  return stem != kNone && MatchCharacters(pattern.substr(0, stem), name);
}

}  // namespace quillon
