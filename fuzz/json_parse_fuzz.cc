// Parses arbitrary bytes as a GBK JSON text and writes the result back. Whatever the bytes,
// parsing must not crash, overflow or leak; a text that parses must write back to text that
// parses again, and from then on the written text must be stable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/json_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  quillon::JsonDocument doc;
  int32_t code = 0;
  int32_t position = 0;
  bool ok = doc.Parse(text, false, false, &code, &position);
  if (ok != (code == 0) || position < 0) std::abort();
  // Both output forms, with and without escaping, indented or not.
  std::string written = doc.ToText();
  std::string raw = doc.ToText("", true, false);
  if (!ok) {
    if (written != "{}" && written != "[]") std::abort();
    return 0;
  }
  quillon::JsonDocument second;
  if (!second.Parse(written)) std::abort();
  std::string stable = second.ToText();
  quillon::JsonDocument third;
  if (!third.Parse(second.ToText("", true)) || third.ToText() != stable) std::abort();
  // A deep copy writes the same text; reading paths of the parsed document must not crash.
  if (second.Clone().ToText() != stable) std::abort();
  std::vector<std::string> keys;
  second.GetKeys("", keys);
  for (const auto& key : keys) (void)second.GetText(key);
  return 0;
}
