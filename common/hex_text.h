// Hex text: the byte-block-as-text encoding shared by the verification data files and the
// messages between the plugins.
//
// ToHexText writes every byte as two upper-case hexadecimal digits, in order, with no separator,
// prefix or line break. FromHexText reads the text two characters at a time from its start:
// a pair of hexadecimal digits (either case) gives one byte, any other pair gives nothing and is
// skipped, and a last odd character is ignored. Neither ever fails; the decoded block is never
// longer than half the text.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// Two upper-case hexadecimal digits per byte ("%02X"); the empty block gives the empty text.
std::string ToHexText(std::string_view bytes);

// The bytes the hexadecimal pairs of text stand for; pairs that are not two hexadecimal digits
// are skipped.
std::string FromHexText(std::string_view text);

// A byte block read as text: the bytes before its first zero byte (all of them when none).
std::string_view TextBeforeZero(std::string_view bytes);

}  // namespace quillon
