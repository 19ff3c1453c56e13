#include "launcher_plugin/fingerprint.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "platform/files.h"
#include "tests/support/temp_tree.h"

namespace quillon::launcher {
namespace {

// Bytes that repeat with period 256 but differ between neighbouring positions.
std::string Pattern(size_t length) {
  std::string bytes(length, '\0');
  for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>((i % 256) * 7 + 3);
  return bytes;
}

bool IsErrorForm(const std::string& fscode) {
  return std::regex_match(fscode, std::regex("ReadFileError_[0-9]{13,}"));
}

TEST(Fingerprint, DigestsTheListOfChunkDigests) {
  struct Case {
    std::string content;
    const char* fscode;
    int pumps;  // one per chunk
  } cases[] = {
      {"", "74be16979710d4c4e7c6647856088456", 1},
      {"abc", "ec0405c5aef93e771cd80e0db180b88b", 1},
      {Pattern(5000), "b9d8d807a4c5df084c791bb81106af4f", 1},
      {Pattern(10485760), "5f52c9e6ea81419c29b14daec198b0ac", 1},  // exactly one chunk
      {Pattern(10485761), "d9a8f0020688b5e5cd12f82134bb1f68", 2},  // a second chunk of one byte
  };
  testing::TempTree dir;
  for (const auto& c : cases) {
    const std::string path = dir.Path("客户端文件.jar");
    ASSERT_TRUE(platform::WriteWholeFile(path, c.content));
    int64_t size = -1;
    int pumps = 0;
    EXPECT_EQ(Fingerprint(path, size, [&] { ++pumps; }), c.fscode) << c.content.size();
    EXPECT_EQ(size, static_cast<int64_t>(c.content.size()));
    EXPECT_EQ(pumps, c.pumps) << c.content.size();
  }
}

TEST(Fingerprint, DependsOnTheContentAlone) {
  testing::TempTree dir;
  const std::string content = Pattern(70000);
  ASSERT_TRUE(platform::WriteWholeFile(dir.Path("a.jar"), content));
  ASSERT_TRUE(platform::MakeDirectory(dir.Path("子目录")));
  ASSERT_TRUE(platform::WriteWholeFile(dir.Path("子目录\\另一个名字.dat"), content));
  std::string changed = content;
  changed[69999] ^= 1;
  ASSERT_TRUE(platform::WriteWholeFile(dir.Path("b.jar"), changed));
  int64_t size_a = 0, size_moved = 0, size_b = 0;
  const std::string a = Fingerprint(dir.Path("a.jar"), size_a);
  EXPECT_EQ(Fingerprint(dir.Path("子目录\\另一个名字.dat"), size_moved), a);
  EXPECT_NE(Fingerprint(dir.Path("b.jar"), size_b), a);
  EXPECT_EQ(size_b, 70000);
}

TEST(Fingerprint, MissingFileIsCreatedEmpty) {
  testing::TempTree dir;
  const std::string path = dir.Path("不存在.jar");
  int64_t size = 99;
  EXPECT_EQ(Fingerprint(path, size), "74be16979710d4c4e7c6647856088456");
  EXPECT_EQ(size, 0);
  EXPECT_TRUE(platform::FileExists(path));
}

TEST(Fingerprint, UnopenableFileGetsTheErrorFormAndKeepsTheSize) {
  testing::TempTree dir;
  for (const std::string& path : {dir.Path("无此目录\\a.jar"), dir.Root()}) {
    int64_t size = -7;
    const std::string fscode = Fingerprint(path, size);
    EXPECT_TRUE(IsErrorForm(fscode)) << fscode;
    EXPECT_EQ(size, -7);
  }
}

TEST(Fingerprint, OpenFileVariantReadsWithoutCreating) {
  testing::TempTree dir;
  ASSERT_TRUE(platform::WriteWholeFile(dir.Path("a"), "abc"));
  platform::SequentialFile file;
  ASSERT_TRUE(file.Open(dir.Path("a"), platform::SequentialFile::IfMissing::kFail));
  int64_t size = 0;
  EXPECT_EQ(FingerprintOpenFile(file, size), "ec0405c5aef93e771cd80e0db180b88b");
  EXPECT_EQ(size, 3);
  platform::SequentialFile closed;
  size = 5;
  EXPECT_EQ(FingerprintOpenFile(closed, size), "");
  EXPECT_EQ(size, 5);
}

}  // namespace
}  // namespace quillon::launcher
