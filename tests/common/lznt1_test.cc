#include "common/lznt1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/byte_patterns.h"
#include "tests/support/lznt1_reference.h"

namespace quillon {
namespace {

using testing::Lznt1ChunkBuilder;
using testing::Lznt1MaxMatchLength;
using testing::Lznt1RawChunk;

std::string FromHex(const char* hex) {
  std::string out;
  unsigned value = 0;
  int digits = 0;
  for (const char* p = hex; *p; ++p) {
    if (*p == ' ') continue;
    value = value * 16 + static_cast<unsigned>(*p <= '9' ? *p - '0' : *p - 'a' + 10);
    if (++digits == 2) {
      out.push_back(static_cast<char>(value));
      value = 0;
      digits = 0;
    }
  }
  return out;
}

// The published LZNT1 example: 142 bytes of text with its terminating zero, and the 59 bytes
// Windows' standard engine compresses them to.
const std::string kExampleText = std::string(
    "F# F# G A A G F# E D D E F# F# E E F# F# G A A G F# E D D E F# E D D E E F# D E F# G F# D E "
    "F# G F# E D E A F# F# G A A G F# E D D E F# E D D") + '\0';
const std::string kExampleCompressed = FromHex(
    "38b08846232000204720410010a24701a045204400084501507900c045200524138805b4024a44ef0358028c09160148"
    "4500be009e000401189000");

std::string Expand(std::string_view stream, size_t limit = size_t{1} << 30) {
  std::string out = "stale";
  EXPECT_EQ(Lznt1Decompress(stream, limit, out), Lznt1Status::kOk);
  return out;
}

TEST(Lznt1, ExpandsThePublishedExampleAndCompressesItAsSmall) {
  ASSERT_EQ(kExampleText.size(), 142u);
  ASSERT_EQ(kExampleCompressed.size(), 59u);
  EXPECT_EQ(Expand(kExampleCompressed), kExampleText);
  const std::string ours = Lznt1Compress(kExampleText);
  EXPECT_LE(ours.size(), kExampleCompressed.size());
  EXPECT_EQ(Expand(ours), kExampleText);
}

// Brings a hand-made chunk to `position` bytes without a regular pattern: literals for the
// first 2048 bytes (the body must stay within 4096 bytes), then references of varying
// displacement.
void FillTo(Lznt1ChunkBuilder& builder, size_t position, const std::string& bytes) {
  while (builder.Expanded().size() < position) {
    const size_t at = builder.Expanded().size();
    const size_t rest = position - at;
    if (at < 2048 || rest < 3) {
      builder.Literal(bytes[at]);
    } else {
      builder.Match(1 + (at * 7919) % at, std::min(Lznt1MaxMatchLength(at), rest));
    }
  }
}

// Hand-made chunks with a reference at every position U of a chunk (up to 4093, the last
// that leaves room for 3 bytes), with the largest and the
// smallest displacement and the longest length the split at U allows (or up to the chunk end).
// Tokens are encoded with the format's table, independently of the decompressor.
TEST(Lznt1, ExpandsReferencesWithTheSplitOfEveryPosition) {
  const std::string bytes = testing::RandomBytes(kLznt1ChunkSize, 11);
  for (size_t position = 1; position + 3 <= kLznt1ChunkSize; ++position) {
    const size_t length = std::min(Lznt1MaxMatchLength(position), kLznt1ChunkSize - position);
    for (size_t displacement : {position, size_t{1}}) {
      Lznt1ChunkBuilder builder;
      FillTo(builder, position, bytes);
      builder.Match(displacement, length);
      ASSERT_EQ(builder.Expanded().size(), position + length);
      ASSERT_LE(builder.Body().size(), kLznt1ChunkSize);
      std::string out;
      ASSERT_EQ(Lznt1Decompress(builder.Chunk(), kLznt1ChunkSize, out), Lznt1Status::kOk)
          << "position " << position << " displacement " << displacement;
      ASSERT_TRUE(out == builder.Expanded()) << "position " << position << " displacement " << displacement;
    }
  }
}

TEST(Lznt1, ExpandsStoredChunksAndStopsAtAZeroHeader) {
  const std::string full = testing::RandomBytes(kLznt1ChunkSize, 3);
  const std::string tail = "tail";
  Lznt1ChunkBuilder compressed;
  for (char c : std::string("abcabcabc")) compressed.Literal(c);
  compressed.Match(3, 20);

  struct Case {
    const char* name;
    std::string stream;
    std::string expanded;
  } cases[] = {
      {"empty stream", "", ""},
      {"stored full chunk, header 3FFF", Lznt1RawChunk(full), full},
      {"stored chunks then a short one", Lznt1RawChunk(full) + Lznt1RawChunk(full) + Lznt1RawChunk(tail),
       full + full + tail},
      {"stored then compressed", Lznt1RawChunk(full) + compressed.Chunk(), full + compressed.Expanded()},
      {"zero header ends the stream", Lznt1RawChunk(tail) + std::string(2, '\0') + "garbage", tail},
      {"flag byte without items", FromHex("00b000"), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Expand(c.stream), c.expanded) << c.name;
}

TEST(Lznt1, RejectsDamagedStreams) {
  const std::string full = testing::RandomBytes(kLznt1ChunkSize, 5);
  auto chunk = [](auto&& add_items) {
    Lznt1ChunkBuilder builder;
    add_items(builder);
    return builder.Chunk();
  };
  const std::string five_then_past_start = chunk([](Lznt1ChunkBuilder& b) {
    for (char c : std::string("abcde")) b.Literal(c);
    b.Match(6, 3);
  });
  const std::string token_first = chunk([](Lznt1ChunkBuilder& b) { b.RawToken(0); });
  const std::string past_4096 = chunk([](Lznt1ChunkBuilder& b) {
    b.Literal('z');
    b.Match(1, 4096);  // 4097 bytes in all
  });
  const std::string literal_after_full = chunk([](Lznt1ChunkBuilder& b) {
    b.Literal('z');
    b.Match(1, 4095);
    b.Literal('y');
  });
  const std::string truncated_token = chunk([](Lznt1ChunkBuilder& b) {
    b.Literal('a');
    b.Literal('b');
    b.Literal('c');
    b.Match(3, 3);
  });
  std::string cut_token = truncated_token.substr(0, truncated_token.size() - 1);
  cut_token[0] = static_cast<char>(cut_token[0] - 1);  // header agrees with the shorter body
  std::string wrong_signature = Lznt1RawChunk("abc");
  wrong_signature[1] = static_cast<char>(wrong_signature[1] ^ 0x10);

  struct Case {
    const char* name;
    std::string stream;
  } cases[] = {
      {"reference before any byte", token_first},
      {"reference before the chunk start", five_then_past_start},
      {"chunk expands past 4096 bytes", past_4096},
      {"literal after a full chunk", literal_after_full},
      {"reference cut after one byte", cut_token},
      {"body runs past the end", Lznt1RawChunk("abcdef").substr(0, 5)},
      {"header cut after one byte", Lznt1RawChunk(full) + "\x01"},
      {"only one byte", "\x30"},
      {"signature not 3", wrong_signature},
      {"short chunk that is not the last", Lznt1RawChunk("abc") + Lznt1RawChunk("def")},
      {"reference into the previous chunk", Lznt1RawChunk(full) + five_then_past_start},
  };
  for (const auto& c : cases) {
    std::string out = "stale";
    EXPECT_EQ(Lznt1Decompress(c.stream, size_t{1} << 20, out), Lznt1Status::kCorrupt) << c.name;
    EXPECT_TRUE(out.empty()) << c.name;
  }
}

TEST(Lznt1, StopsAtTheCallersLimit) {
  const std::string data = testing::TextLikeBytes(3 * kLznt1ChunkSize + 100, 9);
  const std::string stream = Lznt1Compress(data);
  std::string out;
  EXPECT_EQ(Lznt1Decompress(stream, data.size(), out), Lznt1Status::kOk);
  EXPECT_EQ(out, data);
  for (size_t limit : {size_t{0}, size_t{1}, kLznt1ChunkSize, data.size() - 1}) {
    EXPECT_EQ(Lznt1Decompress(stream, limit, out), Lznt1Status::kOverLimit) << limit;
    EXPECT_TRUE(out.empty());
  }
}

TEST(Lznt1, MaxExpandedSizeIsReachedBySixByteChunks) {
  // One literal and one reference of 4095 bytes: six bytes for a full chunk.
  Lznt1ChunkBuilder builder;
  builder.Literal('q');
  builder.Match(1, 4095);
  ASSERT_EQ(builder.Chunk().size(), 6u);
  std::string stream;
  for (int k = 0; k < 3; ++k) stream += builder.Chunk();
  stream += Lznt1RawChunk("xyz");
  EXPECT_EQ(Expand(stream).size(), Lznt1MaxExpandedSize(stream.size()));
  EXPECT_EQ(Lznt1MaxExpandedSize(0), 0u);
  EXPECT_EQ(Lznt1MaxExpandedSize(2), 0u);
  EXPECT_EQ(Lznt1MaxExpandedSize(3), 1u);
  EXPECT_EQ(Lznt1MaxExpandedSize(6), 4096u);
}

TEST(Lznt1, RoundTripsEveryKindOfDataAtChunkBoundariesAndLarge) {
  const size_t sizes[] = {0, 1, 2, 3, 17, 4095, 4096, 4097, 2 * 4096, 5 * 4096 + 1234, 3 * 1024 * 1024 + 7};
  struct Kind {
    const char* name;
    std::string (*make)(size_t, uint32_t);
  } kinds[] = {{"random", testing::RandomBytes},
               {"repetitive", testing::RepetitiveBytes},
               {"text", testing::TextLikeBytes}};
  for (const auto& kind : kinds) {
    for (size_t size : sizes) {
      const std::string data = kind.make(size, static_cast<uint32_t>(size));
      const std::string stream = Lznt1Compress(data);
      const size_t chunks = (size + kLznt1ChunkSize - 1) / kLznt1ChunkSize;
      ASSERT_TRUE(Expand(stream, size) == data) << kind.name << " " << size;
      EXPECT_LE(stream.size(), size + 2 * chunks) << kind.name << " " << size;
      if (std::string(kind.name) == "random") {
        EXPECT_EQ(stream.size(), size + 2 * chunks) << "stored raw: " << size;
      } else if (size >= 4096) {
        EXPECT_LT(stream.size(), size / 2) << kind.name << " " << size;
      }
    }
  }
}

TEST(Lznt1, CompressesARunIntoOneReferencePerChunk) {
  // A literal, then one reference of displacement 1 and length 4095 (length field FFC).
  const std::string chunk = FromHex("03b00200fc0f");
  EXPECT_EQ(Lznt1Compress(std::string(4096, '\0')), chunk);
  EXPECT_EQ(Lznt1Compress(std::string(8192, '\0')), chunk + chunk);
}

// Chunks that repeat themselves from position U on, after bytes without matches (and, past
// 2048, copies of them). One stream for such a chunk is literals up to U and then references U
// bytes back, each as long as the split where it stands allows; the compressor must find the
// first of them at every U, so its output is no larger. Over all these chunks its references
// stand at every position that leaves room for one (1..4093), and all expand back.
TEST(Lznt1, FindsTheLongestReferenceAtEveryPosition) {
  const std::string distinct = testing::DistinctPairBytes(2048, 31);
  std::vector<bool> covered(kLznt1ChunkSize, false);
  for (size_t position = 1; position + 3 <= kLznt1ChunkSize; ++position) {
    const std::string data = testing::Lznt1RepeatingChunk(position, distinct);
    const std::string stream = Lznt1Compress(data);
    size_t tokens = 0;
    for (size_t at = position; at < kLznt1ChunkSize; ++tokens) {
      at += std::min(Lznt1MaxMatchLength(at), kLznt1ChunkSize - at);
    }
    const size_t planned = 2 + position + 2 * tokens + (position + tokens + 7) / 8;
    EXPECT_LE(stream.size(), std::min(planned, 2 + kLznt1ChunkSize)) << "position " << position;
    for (size_t at : testing::Lznt1ReferencePositions(stream)) covered.at(at) = true;
    ASSERT_TRUE(Expand(stream) == data) << "position " << position;
  }
  for (size_t position = 1; position + 3 <= kLznt1ChunkSize; ++position) {
    EXPECT_TRUE(covered[position]) << "no reference at " << position;
  }
}

}  // namespace
}  // namespace quillon
