// The JSON text reader behind JsonDocument::Parse and ParseInto.
//
// A lenient reader of UTF-16 text with an explicit stack of open containers instead of
// recursion, so nesting depth costs memory, not call depth. Besides standard JSON it accepts
// single-quoted strings and keys, unquoted keys, trailing commas and a missing comma after a
// nested container; numbers keep their literal text as written.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/json_node.h"

namespace quillon {

// Parses text into root, which must be an empty object (fresh or emptied) without parent
// constraints. Returns a JsonParseError code (0 on success) and sets errorPosition to the
// UTF-16 index where parsing stopped (0 on success). On an error root is left an empty object
// or array.
int32_t ParseJsonText(JsonNode& root, std::u16string_view text, bool decodeUnicodeEscapes,
                      bool scalarsOff, int32_t& errorPosition);

}  // namespace quillon
