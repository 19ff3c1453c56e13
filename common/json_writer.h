// The JSON text writer behind JsonDocument::ToText.
//
// Writes a node and everything below it as UTF-16 JSON text without recursion (an explicit
// stack of open containers), so any nesting depth is written in constant call depth. Numbers,
// booleans and null are written as their literal texts; no spaces are written.
#pragma once

#include <cstddef>
#include <string>

#include "common/json_node.h"

namespace quillon {

// Appends node as JSON text to out. escape: "\" before "\", "/" and '"', and \b \t \n \r \f
// for those control characters (nothing else; no \u escapes); without it strings and keys are
// written raw. indent: CR LF after "{" and after each member, one TAB per nesting level before
// each member and before the closing "}"; arrays stay on one line.
void WriteJsonText(const JsonNode& node, bool indent, bool escape, std::u16string& out);

}  // namespace quillon
