#include "common/md5.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(Md5, Rfc1321TestSuite) {
  struct Case {
    const char* message;
    const char* digest;
  } cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& c : cases) EXPECT_EQ(Md5Hex(std::string_view(c.message)), c.digest) << c.message;
}

TEST(Md5, PiecesOfAnyLengthGiveTheSameDigest) {
  // Lengths around the 56- and 64-byte padding boundaries, fed in every split.
  for (size_t length : {55u, 56u, 57u, 63u, 64u, 65u, 119u, 120u, 128u, 200u}) {
    std::string message;
    for (size_t i = 0; i < length; ++i) message.push_back(static_cast<char>(i * 37 + 11));
    const std::string whole = Md5Hex(message);
    for (size_t split = 0; split <= length; ++split) {
      Md5 md5;
      md5.Update(message.substr(0, split));
      md5.Update(message.substr(split));
      EXPECT_EQ(Md5Hex(md5.Finish()), whole) << length << " split " << split;
    }
  }
  EXPECT_EQ(Md5Hex(std::string(1000000, 'a')), "7707d6ae4e027c70eea2a935c2296f21");
}

TEST(Md5, FinishStartsANewStream) {
  Md5 md5;
  md5.Update("garbage");
  md5.Finish();
  md5.Update("abc");
  EXPECT_EQ(Md5Hex(md5.Finish()), "900150983cd24fb0d6963f7d28e17f72");
}

}  // namespace
}  // namespace quillon
