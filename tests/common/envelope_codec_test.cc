#include "common/envelope_codec.h"

#include <gtest/gtest.h>

#include <string>

#include "common/crc32.h"
#include "common/lznt1.h"
#include "tests/support/byte_patterns.h"

namespace quillon {
namespace {

std::string U32(uint32_t value) {
  std::string out;
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
  return out;
}

// A block assembled field by field.
std::string Block(uint32_t magic, uint32_t length, uint32_t crc, const std::string& stream) {
  return U32(magic) + U32(length) + U32(crc) + stream;
}

TEST(EnvelopeCodec, PacksHeaderThenCompressedData) {
  const EnvelopeCodec codec;
  const std::string block = codec.Pack("abc");
  // Magic 444660, length 3, zlib's CRC-32 of "abc", then one stored chunk.
  EXPECT_EQ(block, std::string("\xF4\xC8\x06\x00" "\x03\x00\x00\x00" "\xC2\x41\x24\x35" "\x02\x30" "abc", 17));
  EXPECT_EQ(codec.Pack(""), Block(444660, 0, 0, ""));
}

TEST(EnvelopeCodec, RoundTripsTextsAndBinaryData) {
  const EnvelopeCodec codec;
  const std::string cases[] = {
      "x",
      "[QFP_KICK/]违规操作上限.自动封号并踢出[/QFP_KICK]",
      std::string("zero\0inside", 11),
      testing::TextLikeBytes(4096, 1),
      testing::TextLikeBytes(100000, 2),
      testing::RandomBytes(4097, 3),
      testing::RepetitiveBytes(1 << 20, 4),
  };
  for (const auto& data : cases) {
    const std::string block = codec.Pack(data);
    const EnvelopeCodec::Unpacked unpacked = codec.UnpackWithStatus(block);
    EXPECT_EQ(unpacked.status, UnpackStatus::kOk) << data.size();
    EXPECT_TRUE(unpacked.data == data) << data.size();
    EXPECT_TRUE(codec.Unpack(block) == data) << data.size();
  }
}

TEST(EnvelopeCodec, RejectsUnsoundBlocksWithTheirReason) {
  const EnvelopeCodec codec;
  const std::string data = testing::TextLikeBytes(10000, 7);
  const std::string stream = Lznt1Compress(data);
  const uint32_t crc = Crc32(data);
  const uint32_t size = static_cast<uint32_t>(data.size());
  const std::string good = Block(444660, size, crc, stream);
  std::string flipped_stream = stream;
  flipped_stream[2] = static_cast<char>(flipped_stream[2] ^ 0x04);  // a flag bit in the first chunk

  struct Case {
    const char* name;
    std::string block;
    UnpackStatus status;
  } cases[] = {
      {"empty block", "", UnpackStatus::kTooShort},
      {"eleven bytes", good.substr(0, 11), UnpackStatus::kTooShort},
      {"wrong magic", Block(444661, size, crc, stream), UnpackStatus::kBadMagic},
      {"magic big-endian", Block(0xF4C80600u, size, crc, stream), UnpackStatus::kBadMagic},
      {"length 0", Block(444660, 0, crc, stream), UnpackStatus::kBadLength},
      {"length negative", Block(444660, 0xFFFFFFFFu, crc, stream), UnpackStatus::kBadLength},
      {"length 2^31 - 1", Block(444660, 0x7FFFFFFFu, crc, stream), UnpackStatus::kBadLength},
      {"length beyond what the stream can hold", Block(444660, 4097, crc, "\x03\xB0\x02\x00\xFC\x0F"),
       UnpackStatus::kBadLength},
      {"header only, length 1", Block(444660, 1, crc, ""), UnpackStatus::kBadLength},
      {"stream damaged", Block(444660, size, crc, flipped_stream), UnpackStatus::kCorruptData},
      {"stream cut short", Block(444660, size, crc, stream.substr(0, stream.size() - 1)),
       UnpackStatus::kCorruptData},
      {"stream longer than stated", Block(444660, size - 1, crc, stream), UnpackStatus::kLengthMismatch},
      {"stream shorter than stated", Block(444660, size + 1, crc, stream), UnpackStatus::kLengthMismatch},
      {"CRC wrong", Block(444660, size, crc ^ 1, stream), UnpackStatus::kCrcMismatch},
  };
  for (const auto& c : cases) {
    const EnvelopeCodec::Unpacked unpacked = codec.UnpackWithStatus(c.block);
    EXPECT_EQ(unpacked.status, c.status) << c.name << ": " << UnpackStatusName(unpacked.status);
    EXPECT_TRUE(unpacked.data.empty()) << c.name;
    EXPECT_TRUE(codec.Unpack(c.block).empty()) << c.name;
  }
  EXPECT_TRUE(codec.Unpack(good) == data);
}

TEST(EnvelopeCodec, SkippingTheCrcCheckAcceptsAWrongCrcOnly) {
  const EnvelopeCodec codec;
  const std::string data = "[QFP_CLIENTSET/]someone[/QFP_CLIENTSET]";
  const std::string stream = Lznt1Compress(data);
  const auto size = static_cast<uint32_t>(data.size());
  const auto skip = EnvelopeCodec::CrcCheck::kSkip;
  EXPECT_EQ(codec.UnpackWithStatus(Block(444660, size, 0, stream), skip).data, data);
  EXPECT_EQ(codec.UnpackWithStatus(Block(444660, size + 1, 0, stream), skip).status,
            UnpackStatus::kLengthMismatch);
}

TEST(EnvelopeCodec, AcceptsAnyValidStreamForTheSameData) {
  // Stored chunks only, and a terminating zero header, as other LZNT1 writers may produce.
  const EnvelopeCodec codec;
  const std::string data = testing::TextLikeBytes(5000, 8);
  const std::string stream = std::string("\xFF\x3F", 2) + data.substr(0, 4096) +
                             std::string("\x87\x33", 2) + data.substr(4096) + std::string(2, '\0');
  ASSERT_EQ(data.size() - 4096, 0x388u);
  EXPECT_TRUE(codec.Unpack(Block(444660, 5000, Crc32(data), stream)) == data);
}

}  // namespace
}  // namespace quillon
