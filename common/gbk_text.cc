#include "common/gbk_text.h"

#include <array>
#include <cstdint>
#include <memory>

namespace quillon {
namespace {

constexpr int kTrailFirst = 0x40;
constexpr int kTrailCount = 0xFF - kTrailFirst;  // 0x40..0xFE
constexpr int kLeadCount = 0xFF - 0x81;          // 0x81..0xFE

// Double-byte codes to UTF-16, 0 where unmapped.
constexpr uint16_t kDecode[kLeadCount * kTrailCount] = {
#include "common/gbk_table.inc"
};

// Single bytes above ASCII that Windows maps on their own.
constexpr uint16_t kEuroSign = 0x20AC;     // 0x80
constexpr uint16_t kPrivateFF = 0xF8F5;    // 0xFF

uint16_t DecodePair(unsigned char lead, unsigned char trail) {
  if (!IsGbkLeadByte(lead) || trail < kTrailFirst || trail > 0xFE) return 0;
  return kDecode[(lead - 0x81) * kTrailCount + (trail - kTrailFirst)];
}

// UTF-16 unit to GBK code (one byte below 0x100, two bytes as lead << 8 | trail), 0 if none.
// Built once from the decode table; where two codes decode to one character the first wins.
const std::array<uint16_t, 0x10000>& EncodeTable() {
  static const std::unique_ptr<std::array<uint16_t, 0x10000>> table = [] {
    auto t = std::make_unique<std::array<uint16_t, 0x10000>>();
    t->fill(0);
    for (int c = 1; c < 0x80; ++c) (*t)[c] = static_cast<uint16_t>(c);
    (*t)[kEuroSign] = 0x80;
    (*t)[kPrivateFF] = 0xFF;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
      for (int trail = kTrailFirst; trail <= 0xFE; ++trail) {
        uint16_t u = DecodePair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
        if (u != 0 && (*t)[u] == 0) (*t)[u] = static_cast<uint16_t>(lead << 8 | trail);
      }
    }
    return t;
  }();
  return *table;
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Converts to GBK; returns false at the first unmappable character when exact is set.
bool EncodeGbk(std::u16string_view text, std::string& out, bool exact) {
  const auto& table = EncodeTable();
  std::string result;
  result.reserve(text.size() * 2);
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t u = text[i];
    uint16_t code = u == 0 ? 0 : table[u];
    if (u == 0) {
      result += '\0';
    } else if (code == 0) {
      if (exact) return false;
      // One "?" per UTF-16 unit, as Windows writes it (a surrogate pair gives two).
      result += '?';
    } else if (code < 0x100) {
      result += static_cast<char>(code);
    } else {
      result += static_cast<char>(code >> 8);
      result += static_cast<char>(code & 0xFF);
    }
  }
  out = std::move(result);
  return true;
}

}  // namespace

std::u16string GbkToUtf16(std::string_view gbk) {
  std::u16string out;
  out.reserve(gbk.size());
  for (size_t i = 0; i < gbk.size(); ++i) {
    auto b = static_cast<unsigned char>(gbk[i]);
    if (b < 0x80) {
      out += static_cast<char16_t>(b);
    } else if (b == 0x80) {
      out += static_cast<char16_t>(kEuroSign);
    } else if (b == 0xFF) {
      out += static_cast<char16_t>(kPrivateFF);
    } else {
      uint16_t u = i + 1 < gbk.size() ? DecodePair(b, static_cast<unsigned char>(gbk[i + 1])) : 0;
      if (u != 0) {
        out += static_cast<char16_t>(u);
        ++i;
      } else {
        out += u'?';
      }
    }
  }
  return out;
}

std::string Utf16ToGbk(std::u16string_view text) {
  std::string out;
  EncodeGbk(text, out, false);
  return out;
}

bool Utf16ToGbkExact(std::u16string_view text, std::string& out) { return EncodeGbk(text, out, true); }

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    auto b = static_cast<unsigned char>(utf8[i]);
    uint32_t cp = 0;
    size_t len = 0;
    uint32_t min = 0;
    if (b < 0x80) { cp = b; len = 1; }
    else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; len = 2; min = 0x80; }
    else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; len = 3; min = 0x800; }
    else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; len = 4; min = 0x10000; }
    else { out += u'\uFFFD'; ++i; continue; }
    if (i + len > utf8.size()) { out += u'\uFFFD'; ++i; continue; }
    bool ok = true;
    for (size_t k = 1; k < len; ++k) {
      auto c = static_cast<unsigned char>(utf8[i + k]);
      if ((c & 0xC0) != 0x80) { ok = false; break; }
      cp = cp << 6 | (c & 0x3F);
    }
    if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out += u'\uFFFD';
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
    i += len;
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t u = text[i];
    if (IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((static_cast<uint32_t>(u) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
      AppendUtf8(out, 0xFFFD);
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

}  // namespace quillon
