// Conversion between GBK (code page 936) and UTF-16 / UTF-8.
//
// Every text inside the plugins is GBK bytes in std::string. This is the one converter both
// builds use, so Linux and Windows behave identically; its table is the code page as Windows
// defines it (checked against MultiByteToWideChar under Wine). Unmappable characters become
// "?"; invalid byte sequences are converted character by character, never dropping the text.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// True for a byte that starts a double-byte GBK character (0x81..0xFE).
inline bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// GBK to UTF-16. A lead byte without a valid trail byte becomes "?" and the next byte is
// converted on its own.
std::u16string GbkToUtf16(std::string_view gbk);

// UTF-16 to GBK. Each UTF-16 unit without a GBK form becomes "?" (so a character outside the
// Basic Multilingual Plane gives "??", as on Windows).
std::string Utf16ToGbk(std::u16string_view text);

// UTF-16 to GBK only when every character has a GBK form; false otherwise (out untouched).
bool Utf16ToGbkExact(std::u16string_view text, std::string& out);

// UTF-8 <-> UTF-16. Malformed UTF-8 sequences become U+FFFD; unpaired surrogates become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);

// Shorthands through UTF-16.
inline std::string GbkToUtf8(std::string_view gbk) { return Utf16ToUtf8(GbkToUtf16(gbk)); }
inline std::string Utf8ToGbk(std::string_view utf8) { return Utf16ToGbk(Utf8ToUtf16(utf8)); }

}  // namespace quillon
