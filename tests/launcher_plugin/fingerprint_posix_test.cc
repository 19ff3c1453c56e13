// Behaviour that needs POSIX semantics: a file can be changed while it is being read.
#include "launcher_plugin/fingerprint.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "platform/files.h"
#include "tests/support/temp_tree.h"

namespace quillon::launcher {
namespace {

TEST(FingerprintPosix, FileThatShrinksWhileReadGetsTheErrorForm) {
  testing::TempTree dir;
  const std::string path = dir.Path("shrinking.jar");
  ASSERT_TRUE(platform::WriteWholeFile(path, std::string(kFingerprintChunkSize + 100, 'x')));
  int64_t size = 0;
  int pumps = 0;
  const std::string fscode = Fingerprint(path, size, [&] {
    if (++pumps == 1) platform::WriteWholeFile(path, std::string(1000, 'y'));
  });
  EXPECT_EQ(fscode.rfind("ReadFileError_", 0), 0u) << fscode;
  EXPECT_EQ(size, kFingerprintChunkSize + 100);
  EXPECT_EQ(pumps, 2);
}

TEST(FingerprintPosix, FileThatGrowsWhileReadEndsAtItsOpeningSizeChunk) {
  testing::TempTree dir;
  const std::string path = dir.Path("growing.jar");
  ASSERT_TRUE(platform::WriteWholeFile(path, "abc"));
  int64_t size = 0;
  const std::string fscode = Fingerprint(path, size, [&] { platform::WriteWholeFile(path, "abcdef"); });
  // One chunk, read to the end of the file as it is then.
  int64_t size_now = 0;
  EXPECT_EQ(fscode, Fingerprint(path, size_now, {}));
  EXPECT_EQ(size, 3);
  EXPECT_EQ(size_now, 6);
}

}  // namespace
}  // namespace quillon::launcher

namespace quillon::launcher {
namespace {

TEST(FingerprintPosix, DanglingLinkIsNeitherFollowedNorCreated) {
  testing::TempTree dir;
  const std::string target = dir.Path("elsewhere.txt");
  const std::string link = dir.Path("mod.jar");
  ASSERT_EQ(::symlink(platform::NativePath(target).c_str(), platform::NativePath(link).c_str()), 0);
  int64_t size = 7;
  EXPECT_EQ(Fingerprint(link, size).rfind("ReadFileError_", 0), 0u);
  EXPECT_FALSE(platform::FileExists(target));
  // A missing plain file is still created empty, as before.
  const std::string missing = dir.Path("missing.jar");
  EXPECT_EQ(Fingerprint(missing, size).size(), 32u);
  EXPECT_EQ(size, 0);
  EXPECT_TRUE(platform::FileExists(missing));
}

}  // namespace
}  // namespace quillon::launcher
