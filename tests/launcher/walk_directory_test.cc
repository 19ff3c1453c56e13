#include "launcher_plugin/walk_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/gbk_text.h"
#include "platform/files.h"
#include "tests/support/temp_tree.h"

namespace quillon::launcher {
namespace {

using Names = std::vector<std::string>;

// Literals are GBK: "淺" is 9C 5C, so a directory named 淺 ends in the byte of "\" without
// ending in a backslash; "設" is D4 4F.
class WalkDirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* file : {"a.jar", "B.JAR", ".hidden.jar", "readme", "x.jar.bak", "設定.txt", "淺.jar",
                             "sub.jar\\c.jar", "淺\\設.jar", "淺\\深\\d.jar"}) {
      tree_.File(file, file);
    }
    tree_.Dir("empty");
  }

  // The list with tree_.Root() + "\" taken off each entry.
  Names Relative(const Names& list) const {
    Names out;
    std::string prefix = tree_.Root() + "\\";
    for (const std::string& path : list) {
      if (path.rfind(prefix, 0) == 0) {
        out.push_back(path.substr(prefix.size()));
      } else {
        out.push_back("<outside> " + path);
      }
    }
    return out;
  }

  testing::TempTree tree_;
};

TEST_F(WalkDirectoryTest, ListsFilesPatternByPatternThenSubdirectoriesDepthFirst) {
  const Names jars = {".hidden.jar", "B.JAR", "a.jar", "淺.jar"};
  const Names all_files = {".hidden.jar", "B.JAR", "a.jar", "readme", "x.jar.bak", "淺.jar", "設定.txt"};
  Names jars_then_all = jars;
  jars_then_all.insert(jars_then_all.end(), all_files.begin(), all_files.end());
  const Names nested = {"淺\\設.jar", "淺\\深\\d.jar"};

  struct Case {
    std::string directory;  // relative to the tree
    std::string patterns;
    bool recurse;
    Names expected;
  } cases[] = {
      {"", "*.jar", false, jars},
      {"", "?.jar", false, {"B.JAR", "a.jar", "淺.jar"}},
      {"", "*.jar|*.*", false, jars_then_all},  // a file matching both patterns is listed twice
      {"", "", false, {}},
      {"", "|", false, {}},
      {"", "*.jar|", false, jars},
      {"", "README|設*", false, {"readme", "設定.txt"}},
      {"", "*.jar", true, {".hidden.jar", "B.JAR", "a.jar", "淺.jar", "sub.jar\\c.jar", "淺\\設.jar", "淺\\深\\d.jar"}},
      {"淺", "*", true, nested},
      {"淺\\", "*", true, nested},
      {"淺", "*", false, {"淺\\設.jar"}},
      {"empty", "*.*", true, {}},
      {"missing", "*.*", true, {}},
      {"a.jar", "*.*", true, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("directory '" + GbkToUtf8(c.directory) + "' patterns '" + GbkToUtf8(c.patterns) + "'");
    std::string directory = c.directory.empty() ? tree_.Root() : tree_.Path(c.directory);
    Names list;
    int32_t count = WalkDirectory(directory, c.patterns, list, true, c.recurse);
    EXPECT_EQ(Relative(list), c.expected);
    EXPECT_EQ(count, static_cast<int32_t>(c.expected.size()));
  }
}

TEST_F(WalkDirectoryTest, ListFlagsAndPumping) {
  // Without the path, names alone; without recursion, the list is emptied first.
  Names list = {"old"};
  EXPECT_EQ(WalkDirectory(tree_.Path("淺"), "*.jar", list, false, false), 1);
  EXPECT_EQ(list, Names({"設.jar"}));

  // With recursion, the walk appends.
  list = {"old"};
  EXPECT_EQ(WalkDirectory(tree_.Path("淺"), "*.jar", list, false, true), 3);
  EXPECT_EQ(list, Names({"old", "設.jar", "d.jar"}));

  // Window events run after every file and every subdirectory.
  int pumps = 0;
  list.clear();
  WalkDirectory(tree_.Root(), "*.jar", list, true, true, [&] { ++pumps; });
  EXPECT_GE(pumps, static_cast<int>(list.size()) + 3);
}

TEST_F(WalkDirectoryTest, DirectoriesThatVanishDuringTheWalkGiveNothing) {
  // The first file found lets events run; meanwhile the subdirectories disappear.
  Names list;
  bool removed = false;
  int32_t count = WalkDirectory(tree_.Root(), "*.jar", list, true, true, [&] {
    if (removed) return;
    removed = true;
    tree_.Remove("淺");
    tree_.Remove("sub.jar");
  });
  EXPECT_TRUE(removed);
  EXPECT_EQ(Relative(list), Names({".hidden.jar", "B.JAR", "a.jar", "淺.jar"}));
  EXPECT_EQ(count, 4);
}

TEST(WalkDirectory, NamesWithoutGbkFormAreListedUnderPathsThatCannotBeOpened) {
  testing::TempTree tree;
  testing::TempTree::FileAt(tree.Native("") / std::filesystem::path(u"\uAC00.jar"), "cheat");
  testing::TempTree::FileAt(tree.Native("") / std::filesystem::path(u"\uD55C") / "hidden.jar", "cheat");
  tree.File("ok.jar", "fine");

  Names list;
  EXPECT_EQ(WalkDirectory(tree.Root(), "*.jar", list, true, true), 3);
  ASSERT_EQ(list.size(), 3u);
  // "?" sorts before "o": the file first, then ok.jar, then the directory whose contents
  // cannot be reached under its approximate name.
  EXPECT_EQ(list[1], tree.Path("ok.jar"));
  for (size_t i : {0, 2}) {
    const std::string& path = list[i];
    const std::string name = i == 0 ? "\\?.jar" : "\\?";
    ASSERT_GE(path.size(), name.size());
    EXPECT_EQ(path.substr(path.size() - name.size()), name);
    EXPECT_FALSE(platform::FileExists(path));
    EXPECT_FALSE(platform::WriteWholeFile(path, "look-alike"));
    EXPECT_FALSE(platform::FileExists(path));
  }
  EXPECT_FALSE(std::filesystem::exists(tree.Native("?.jar")));
}

}  // namespace
}  // namespace quillon::launcher
