// Linux-only cases of the walk: symbolic links and file names that the system's text cannot
// hold exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "launcher_plugin/walk_directory.h"
#include "platform/files.h"
#include "tests/support/temp_tree.h"

namespace quillon::launcher {
namespace {

using Names = std::vector<std::string>;

TEST(WalkDirectoryPosix, NeverDescendsThroughSymbolicLinks) {
  testing::TempTree tree;
  tree.File("mods\\a.jar", "a");
  tree.File("mods\\sub\\b.jar", "b");
  tree.File("elsewhere\\c.jar", "c");
  // A loop back to the walked directory, a link to a directory outside it, a link to a file
  // and a dangling link.
  std::filesystem::create_directory_symlink(tree.Native("mods"), tree.Native("mods\\sub\\loop"));
  std::filesystem::create_directory_symlink(tree.Native("elsewhere"), tree.Native("mods\\outside"));
  std::filesystem::create_symlink(tree.Native("elsewhere\\c.jar"), tree.Native("mods\\linked.jar"));
  std::filesystem::create_symlink(tree.Native("nowhere.jar"), tree.Native("mods\\dangling.jar"));

  Names list;
  EXPECT_EQ(WalkDirectory(tree.Path("mods"), "*.*", list, true, true), 4);
  // Links to files are files; links to directories are neither walked nor listed.
  EXPECT_EQ(list, Names({tree.Path("mods\\a.jar"), tree.Path("mods\\dangling.jar"), tree.Path("mods\\linked.jar"),
                         tree.Path("mods\\sub\\b.jar")}));
}

TEST(WalkDirectoryPosix, NamesTheSystemTextCannotHoldAreNeverOpened) {
  testing::TempTree tree;
  tree.File("mods\\ok.jar", "ok");
  // A "\" inside a name would read as a separator: mods\x\y.jar names another file, which the
  // look-alike directory provides.
  testing::TempTree::FileAt(tree.Native("mods") / "x\\y.jar", "cheat");
  tree.File("mods\\x\\y.jar", "recorded");
  // Bytes that are not UTF-8.
  testing::TempTree::FileAt(tree.Native("mods") / "bad\xFF.jar", "cheat");

  Names list;
  EXPECT_EQ(WalkDirectory(tree.Path("mods"), "*.jar", list, true, false), 3);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[1], tree.Path("mods\\ok.jar"));
  for (const std::string& suffix : {std::string("\\bad?.jar"), std::string("\\x?y.jar")}) {
    auto it = std::find_if(list.begin(), list.end(), [&](const std::string& path) {
      return path.size() > suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
    });
    ASSERT_NE(it, list.end()) << suffix;
    EXPECT_FALSE(platform::FileExists(*it));
    EXPECT_FALSE(platform::WriteWholeFile(*it, "look-alike"));
  }
  EXPECT_FALSE(std::filesystem::exists(tree.Native("mods") / "bad?.jar"));
  EXPECT_FALSE(std::filesystem::exists(tree.Native("mods") / "x?y.jar"));
}

}  // namespace
}  // namespace quillon::launcher
