// Reading numbers out of UTF-16 JSON texts: the classification of number tokens and the
// conversions the document's getters and the parser share.
//
// Conversions never fail and never throw: out-of-range integers saturate, text without a
// number reads as 0.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillon {

enum class JsonNumberKind { kNone, kInteger, kReal };

// A number token starts with "+", "-", a digit or "." and goes on with digits, at most one
// ".", at most one "e"/"E" and at most one further sign; it is a real when it has a ".", an
// exponent or a second sign.
JsonNumberKind ClassifyJsonNumber(std::u16string_view token);

// The leading decimal integer of text: optional whitespace and sign, then digits; saturates
// at the 64-bit range; 0 when there are no digits.
int64_t LeadingInt64(std::u16string_view text);

// The leading decimal number of text (optional whitespace and sign, digits, fraction,
// exponent); out-of-range values give infinity or zero; 0 when there is no number.
double LeadingReal(std::u16string_view text);

}  // namespace quillon
