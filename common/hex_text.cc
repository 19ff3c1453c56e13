#include "common/hex_text.h"

namespace quillon {
namespace {

// The value of one hexadecimal digit, or -1.
int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string ToHexText(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text(bytes.size() * 2, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) {
    unsigned char b = static_cast<unsigned char>(bytes[i]);
    text[2 * i] = kDigits[b >> 4];
    text[2 * i + 1] = kDigits[b & 0x0F];
  }
  return text;
}

std::string FromHexText(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() / 2);
  for (size_t i = 0; i + 1 < text.size(); i += 2) {
    int high = DigitValue(text[i]);
    int low = DigitValue(text[i + 1]);
    if (high < 0 || low < 0) continue;
    bytes.push_back(static_cast<char>(high << 4 | low));
  }
  return bytes;
}

std::string_view TextBeforeZero(std::string_view bytes) {
  size_t zero = bytes.find('\0');
  return zero == std::string_view::npos ? bytes : bytes.substr(0, zero);
}

}  // namespace quillon
