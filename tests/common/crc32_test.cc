#include "common/crc32.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

TEST(Crc32, MatchesZlibValues) {
  struct Case {
    std::string data;
    uint32_t crc;
  } cases[] = {
      {"", 0x00000000u},
      {"a", 0xE8B7BE43u},
      {"123456789", 0xCBF43926u},
      {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
      {std::string(32, '\0'), 0x190A55ADu},
      {std::string(4, '\xFF'), 0xFFFFFFFFu},
  };
  for (const auto& c : cases) EXPECT_EQ(Crc32(c.data), c.crc) << c.data;
}

TEST(Crc32, ContinuesAcrossPiecesAtEverySplit) {
  std::string data;
  for (int i = 0; i < 1000; ++i) data.push_back(static_cast<char>(i * 131 + 7));
  const uint32_t whole = Crc32(data);
  std::string_view view = data;
  for (size_t split = 0; split <= view.size(); split += 37) {
    EXPECT_EQ(Crc32(view.substr(split), Crc32(view.substr(0, split))), whole) << split;
  }
  // Every alignment and tail length of the four-byte inner loop.
  for (size_t start = 0; start < 4; ++start) {
    for (size_t length = 0; length < 12; ++length) {
      std::string_view piece = view.substr(start, length);
      uint32_t bytewise = 0;
      for (char c : piece) bytewise = Crc32(std::string_view(&c, 1), bytewise);
      EXPECT_EQ(Crc32(piece), bytewise) << start << " " << length;
    }
  }
}

}  // namespace
}  // namespace quillon
