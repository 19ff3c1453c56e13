// Linux-only verification cases: a file that shrinks while it is read (Windows refuses to
// shorten a file that the verifier holds open with read sharing only).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/group_key.h"
#include "launcher_plugin/fingerprint.h"
#include "launcher_plugin/verify_zone.h"
#include "tests/support/temp_tree.h"

namespace quillon::launcher {
namespace {

TEST(VerifyZonePosix, AFileThatShrinksWhileBeingReadFails) {
  testing::TempTree tree;
  tree.File("mods\\big.jar", std::string(static_cast<size_t>(kFingerprintChunkSize) + 1000, 'x'));
  int64_t size = 0;
  const std::string fscode = Fingerprint(tree.Path("mods\\big.jar"), size);

  JsonDocument verification;
  verification.Parse();
  const std::string key = GroupKey("\\mods\\");
  verification.SetString(key + ".fomrt", "*.jar");
  verification.SetString(key + ".files." + fscode + ".size", std::to_string(size));
  JsonDocument whitelist;
  whitelist.Parse();
  ASSERT_TRUE(VerifyZone(tree.Root(), verification, whitelist).passed);

  // The walk lets events run once (the file found); the next time, the file is open and its
  // size taken, and it is cut short before it has been read to the end.
  int pumps = 0;
  ZoneVerdict out = VerifyZone(tree.Root(), verification, whitelist, [&] {
    if (++pumps == 2) std::filesystem::resize_file(tree.Native("mods\\big.jar"), 5);
  });
  EXPECT_GE(pumps, 2);
  EXPECT_FALSE(out.passed);
  EXPECT_EQ(out.user_text, "未被允许的文件: big.jar");
}

}  // namespace
}  // namespace quillon::launcher
