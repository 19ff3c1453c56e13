#include "common/dbcs_text.h"

#include "common/gbk_text.h"

namespace quillon {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// True when needle matches text at pos, comparing ASCII letters without regard to case.
// Bytes of double-byte characters compare exactly: both sides are walked in step, so a
// letter only folds when it is a single-byte character in the needle.
bool MatchesAt(std::string_view text, size_t pos, std::string_view needle) {
  if (text.size() - pos < needle.size()) return false;
  for (size_t k = 0; k < needle.size();) {
    size_t len = GbkCharLength(needle, k);
    if (len == 2) {
      if (text[pos + k] != needle[k] || text[pos + k + 1] != needle[k + 1]) return false;
    } else if (AsciiLower(text[pos + k]) != AsciiLower(needle[k])) {
      return false;
    }
    k += len;
  }
  return true;
}

}  // namespace

size_t GbkCharLength(std::string_view text, size_t pos) {
  if (IsGbkLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) return 2;
  return 1;
}

size_t FindLastBackslash(std::string_view text) {
  size_t found = std::string_view::npos;
  for (size_t i = 0; i < text.size(); i += GbkCharLength(text, i)) {
    if (text[i] == '\\') found = i;
  }
  return found;
}

size_t FindNoCase(std::string_view text, std::string_view needle, size_t from) {
  if (needle.empty()) return std::string_view::npos;
  for (size_t i = 0; i < text.size(); i += GbkCharLength(text, i)) {
    if (i < from) continue;
    if (MatchesAt(text, i, needle)) {
      // Reject a match whose last byte is the lead byte of a character of the text.
      size_t end = i;
      while (end < i + needle.size()) end += GbkCharLength(text, end);
      if (end == i + needle.size()) return i;
    }
  }
  return std::string_view::npos;
}

std::string ReplaceAllNoCase(std::string_view text, std::string_view needle, std::string_view replacement) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (true) {
    size_t hit = FindNoCase(text, needle, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    out.append(replacement);
    pos = hit + needle.size();
  }
  out.append(text.substr(pos));
  return out;
}

std::string AsciiLowerGbk(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size();) {
    size_t len = GbkCharLength(out, i);
    if (len == 1) out[i] = AsciiLower(out[i]);
    i += len;
  }
  return out;
}

}  // namespace quillon
