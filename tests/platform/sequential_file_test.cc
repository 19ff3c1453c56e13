#include "platform/sequential_file.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/support/temp_tree.h"

namespace quillon::platform {
namespace {

using IfMissing = SequentialFile::IfMissing;

TEST(SequentialFile, ReadsAtPositionsAndReportsTheEnd) {
  testing::TempTree dir;
  const std::string path = dir.Path("数据 文件.bin");
  ASSERT_TRUE(WriteWholeFile(path, "0123456789"));
  SequentialFile file;
  ASSERT_TRUE(file.Open(path, IfMissing::kFail));
  EXPECT_EQ(file.Size(), 10);
  char buffer[16] = {};
  EXPECT_EQ(file.ReadAt(3, buffer, 4), 4);
  EXPECT_EQ(std::string(buffer, 4), "3456");
  EXPECT_EQ(file.ReadAt(7, buffer, sizeof buffer), 3);
  EXPECT_EQ(std::string(buffer, 3), "789");
  EXPECT_EQ(file.ReadAt(10, buffer, sizeof buffer), 0);
  EXPECT_EQ(file.ReadAt(1000, buffer, sizeof buffer), 0);
  EXPECT_EQ(file.ReadAt(-1, buffer, sizeof buffer), -1);
}

TEST(SequentialFile, MissingFileIsCreatedOnlyWhenAsked) {
  testing::TempTree dir;
  const std::string path = dir.Path("新建.txt");
  SequentialFile file;
  EXPECT_FALSE(file.Open(path, IfMissing::kFail));
  EXPECT_FALSE(file.is_open());
  EXPECT_FALSE(FileExists(path));
  ASSERT_TRUE(file.Open(path, IfMissing::kCreateEmpty));
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(file.Size(), 0);
  // The parent directory is never created.
  EXPECT_FALSE(file.Open(dir.Path("无此目录\\a.txt"), IfMissing::kCreateEmpty));
  EXPECT_FALSE(FileExists(dir.Path("无此目录")));
}

TEST(SequentialFile, DirectoriesDoNotOpen) {
  testing::TempTree dir;
  SequentialFile file;
  EXPECT_FALSE(file.Open(dir.Root(), IfMissing::kFail));
  EXPECT_FALSE(file.Open(dir.Root(), IfMissing::kCreateEmpty));
  char byte;
  EXPECT_EQ(file.ReadAt(0, &byte, 1), -1);
  EXPECT_EQ(file.Size(), -1);
}

TEST(SequentialFile, MovesOwnership) {
  testing::TempTree dir;
  ASSERT_TRUE(WriteWholeFile(dir.Path("a"), "abc"));
  SequentialFile first;
  ASSERT_TRUE(first.Open(dir.Path("a"), IfMissing::kFail));
  SequentialFile second(std::move(first));
  EXPECT_FALSE(first.is_open());
  EXPECT_EQ(second.Size(), 3);
  first = std::move(second);
  EXPECT_EQ(first.Size(), 3);
  first.Close();
  EXPECT_FALSE(first.is_open());
}

}  // namespace
}  // namespace quillon::platform
