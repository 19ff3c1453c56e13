#include "common/json_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quillon {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

size_t SkipSpace(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  return i;
}

}  // namespace

JsonNumberKind ClassifyJsonNumber(std::u16string_view token) {
  if (token.empty()) return JsonNumberKind::kNone;
  char16_t first = token[0];
  if (!(first == u'+' || first == u'-' || first == u'.' || IsDigit(first))) {
    return JsonNumberKind::kNone;
  }
  int dots = first == u'.' ? 1 : 0;
  int exponents = 0;
  int signs = 0;
  for (size_t i = 1; i < token.size(); ++i) {
    char16_t c = token[i];
    if (IsDigit(c)) continue;
    if (c == u'.') {
      ++dots;
    } else if (c == u'e' || c == u'E') {
      ++exponents;
    } else if (c == u'+' || c == u'-') {
      ++signs;
    } else {
      return JsonNumberKind::kNone;
    }
  }
  if (dots > 1 || exponents > 1 || signs > 1) return JsonNumberKind::kNone;
  return dots + exponents + signs > 0 ? JsonNumberKind::kReal : JsonNumberKind::kInteger;
}

int64_t LeadingInt64(std::u16string_view text) {
  size_t i = SkipSpace(text);
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  // Accumulate negatively: the negative range is one larger.
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  int64_t value = 0;
  bool saturated = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    int digit = text[i] - u'0';
    if (value < (kMin + digit) / 10) {
      saturated = true;
      break;
    }
    value = value * 10 - digit;
  }
  if (saturated) return negative ? kMin : std::numeric_limits<int64_t>::max();
  if (negative) return value;
  return value == kMin ? std::numeric_limits<int64_t>::max() : -value;
}

double LeadingReal(std::u16string_view text) {
  size_t i = SkipSpace(text);
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  // Copy the number's characters (ASCII only) for from_chars, which is locale-independent.
  std::string ascii;
  size_t start = i;
  bool seen_exponent = false;
  for (; i < text.size(); ++i) {
    char16_t c = text[i];
    bool sign_after_exponent = (c == u'+' || c == u'-') && i > start &&
                               (text[i - 1] == u'e' || text[i - 1] == u'E');
    if (IsDigit(c) || c == u'.' || sign_after_exponent) {
      ascii += static_cast<char>(c);
    } else if ((c == u'e' || c == u'E') && !seen_exponent) {
      seen_exponent = true;
      ascii += static_cast<char>(c);
    } else {
      break;
    }
  }
  double value = 0;
  auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large or too small: decide by the sign of the exponent.
    size_t e = ascii.find_first_of("eE");
    bool tiny = e != std::string::npos && e + 1 < ascii.size() && ascii[e + 1] == '-';
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  } else if (result.ec != std::errc()) {
    value = 0;
  }
  return negative ? -value : value;
}

}  // namespace quillon
