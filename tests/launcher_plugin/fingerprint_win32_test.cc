// Behaviour that needs Windows share modes.
#include "launcher_plugin/fingerprint.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <thread>

#include "platform/files.h"
#include "tests/support/temp_tree.h"

namespace quillon::launcher {
namespace {

TEST(FingerprintWin32, FileHeldOpenForWritingCannotBeRead) {
  testing::TempTree dir;
  const std::string path = dir.Path("held.jar");  // ASCII, so the narrow-path stream opens it too
  std::ofstream writer(path, std::ios::binary);
  ASSERT_TRUE(writer.is_open());
  writer << "content";
  writer.flush();
  int64_t size = 42;
  const std::string first = Fingerprint(path, size);
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const std::string second = Fingerprint(path, size);
  EXPECT_EQ(first.rfind("ReadFileError_", 0), 0u) << first;
  EXPECT_EQ(second.rfind("ReadFileError_", 0), 0u) << second;
  EXPECT_NE(first, second);
  EXPECT_EQ(size, 42);
  writer.close();
  EXPECT_EQ(Fingerprint(path, size).size(), 32u);
  EXPECT_EQ(size, 7);
}

}  // namespace
}  // namespace quillon::launcher
