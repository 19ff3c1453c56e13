// Texts that do not parse never crash, never leave a half-built tree and never leak; texts that
// do parse write back to text that parses to the same document.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/json_document.h"

namespace quillon {
namespace {

// Parses text; when it parses, checks that the written text is stable from the second round
// on (the first round normalises quotes, commas and a lone "\n" into CR LF) and that indented
// output reads back to the same document.
void CheckText(const std::string& text) {
  JsonDocument doc;
  int32_t code = 0, position = -1;
  bool ok = doc.Parse(text, false, false, &code, &position);
  ASSERT_EQ(ok, code == 0) << text;
  if (!ok) {
    ASSERT_TRUE(code == kJsonObjectSyntax || code == kJsonUnclosed || code == kJsonValueSyntax)
        << text;
    ASSERT_GE(position, 0) << text;
    ASSERT_LE(position, static_cast<int32_t>(text.size()) + 1) << text;
    ASSERT_EQ(doc.GetCount(""), 0) << text;
    return;
  }
  std::string first = doc.ToText();
  JsonDocument second;
  ASSERT_TRUE(second.Parse(first)) << text << " -> " << first;
  std::string stable = second.ToText();
  JsonDocument third;
  ASSERT_TRUE(third.Parse(stable)) << stable;
  ASSERT_EQ(third.ToText(), stable) << text;
  JsonDocument indented;
  ASSERT_TRUE(indented.Parse(second.ToText("", true))) << text;
  ASSERT_EQ(indented.ToText(), stable) << text;
  (void)doc.ToText("", true, false);  // raw output must not fail either
}

TEST(JsonRobustness, HostileTexts) {
  const char* texts[] = {
      "{", "}", "[", "]", "{]", "[}", "{{{{", "]]]]", ",", ":", "\"", "'", "\\", "{\"\\", "[\"\\u",
      "[\"\\u12", "{'a':'\\", "{\"a\":1,,}", "{,}", "[,]", "{\"a\"::1}", "{\"a\":1:2}",
      "[1 2 3]", "[\"a\" \"b\"]", "{\"a\" : [ } ]", "{a b:1}", "{'a\":1}", "[-]", "[.]", "[+]",
      "[1e]", "[--1]", "[1e+-5]", "null null", "[]]", "{\"\":\"\"}", "[\"\\n\\r\\n\\\\n\"]",
      "\x81", "[\"\x81\"]", "{\"\x81\\\":1}", "[\xFF\xFE]", "{\"a\":{\"b\":[{\"c\":[[[]]]}]}}",
  };
  for (const char* text : texts) CheckText(text);
}

TEST(JsonRobustness, MutatedDocuments) {
  const std::string seed =
      R"({"zone":{"S_1":{"enable":true,"list":[1,-2.50,"a\nb",null,{'k':'v'}],"w":"\\mods\\x.jar"}},)"
      "\"区\":[\"淺\",1e5,]}";
  const std::string alphabet = "{}[],:\"'\\ \tnu0123456789.eE+-abtrfl\x81\x5C";
  uint32_t state = 12345;
  auto next = [&] {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  };
  for (int round = 0; round < 3000; ++round) {
    std::string text = seed;
    int edits = 1 + next() % 4;
    for (int e = 0; e < edits; ++e) {
      size_t at = next() % (text.size() + 1);
      char c = alphabet[next() % alphabet.size()];
      switch (next() % 3) {
        case 0: text.insert(at, 1, c); break;
        case 1: if (at < text.size()) text.erase(at, 1); break;
        default: if (at < text.size()) text[at] = c; break;
      }
    }
    CheckText(text);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace quillon
