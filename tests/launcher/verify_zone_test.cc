#include "launcher_plugin/verify_zone.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/gbk_text.h"
#include "common/group_key.h"
#include "launcher_plugin/fingerprint.h"
#include "tests/support/temp_tree.h"

namespace quillon::launcher {
namespace {

// The fscode of a file holding "abc" (the MD5 of the MD5 text of its one chunk).
const std::string kAbc = "ec0405c5aef93e771cd80e0db180b88b";

struct Group {
  std::string directory;  // relative to the client root, "\" at both ends
  std::string patterns;
  bool full_match = false;
  bool subdirectories = false;
  int amount = 0;
  std::vector<std::pair<std::string, std::string>> files;  // fscode, recorded size text
};

// Verification data in fingerprint index form.
JsonDocument Verification(const std::vector<Group>& groups) {
  JsonDocument doc;
  doc.Parse();
  for (const Group& g : groups) {
    const std::string key = GroupKey(g.directory);
    doc.SetInt(key + ".type", 0);
    doc.SetString(key + ".fomrt", g.patterns);
    doc.SetBool(key + ".set_allmumber", g.full_match);
    doc.SetBool(key + ".set_subfile", g.subdirectories);
    doc.SetInt(key + ".amount", g.amount);
    for (const auto& [fscode, size] : g.files) doc.SetString(key + ".files." + fscode + ".size", size);
  }
  return doc;
}

JsonDocument Whitelist(const std::vector<std::string>& directories) {
  JsonDocument doc;
  doc.Parse();
  for (const std::string& d : directories) doc.SetInt(GroupKey(d) + ".type", 1);
  return doc;
}

class VerifyZoneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.File("mods\\a.jar", "abc");
    tree_.File("mods\\b.jar", "bbb");
    tree_.File("mods\\.hidden.jar", "hidden");
    tree_.File("mods\\淺\\c.jar", "ccc");
    tree_.File("mods\\淺\\深\\d.jar", "ddd");
    tree_.File("config\\x.cfg", "cfg");
    for (const char* name : {"b.jar", ".hidden.jar", "淺\\c.jar", "淺\\深\\d.jar"}) {
      int64_t size = -1;
      code_[name] = Fingerprint(tree_.Path(std::string("mods\\") + name), size);
    }
  }

  // Records of every file under mods, with their sizes.
  std::vector<std::pair<std::string, std::string>> AllMods() {
    return {{kAbc, "3"}, {code_["b.jar"], "3"}, {code_[".hidden.jar"], "6"}, {code_["淺\\c.jar"], "3"},
            {code_["淺\\深\\d.jar"], "3"}};
  }

  testing::TempTree tree_;
  std::map<std::string, std::string> code_;
};

TEST_F(VerifyZoneTest, ComparesFoundFilesWithTheZoneData) {
  const auto all = AllMods();
  auto without = [&](const std::string& fscode) {
    auto files = all;
    std::erase_if(files, [&](const auto& f) { return f.first == fscode; });
    return files;
  };
  auto with_size = [&](const std::string& fscode, const std::string& size) {
    auto files = all;
    for (auto& f : files) {
      if (f.first == fscode) f.second = size;
    }
    return files;
  };
  const std::string changed_b = "未被允许的文件: b.jar";

  struct Case {
    const char* what;
    std::vector<Group> groups;
    std::vector<std::string> whitelist;
    bool pass;
    std::string user_text;
    std::string detail;  // empty: not checked
  } cases[] = {
      {"everything recorded, hidden files included",
       {{"\\mods\\", "*.jar", true, true, 5, all}}, {}, true, "", ""},
      {"content not recorded",
       {{"\\mods\\", "*.jar", false, false, 0, without(code_["b.jar"])}}, {}, false, changed_b,
       "b.jar # " + code_["b.jar"]},
      {"recorded with another size",
       {{"\\mods\\", "*.jar", false, false, 0, with_size(code_["b.jar"], "4")}}, {}, false, changed_b, ""},
      {"a size that is not a number reads as 0",
       {{"\\mods\\", "*.jar", false, false, 0, with_size(code_["b.jar"], "x3")}}, {}, false, changed_b, ""},
      {"a size with trailing text reads as its leading number",
       {{"\\mods\\", "*.jar", false, false, 0, with_size(code_["b.jar"], "3 bytes")}}, {}, true, "", ""},
      {"hidden file tested like any other",
       {{"\\mods\\", "*.jar", false, false, 0, without(code_[".hidden.jar"])}}, {}, false,
       "未被允许的文件: .hidden.jar", ""},
      {"full match off: fewer files than recorded",
       {{"\\mods\\", "a.jar", false, false, 9, all}}, {}, true, "", ""},
      {"full match on: count differs",
       {{"\\mods\\", "*.jar", true, false, 2, all}}, {}, false, "文件数据发生异常: 3", "数量不一致 - 3"},
      {"a file matching two patterns counts twice",
       {{"\\mods\\", "*.jar|*.*", true, false, 3, all}}, {}, false, "文件数据发生异常: 6", "数量不一致 - 6"},
      {"subdirectories are walked",
       {{"\\mods\\", "*.jar", false, true, 0, without(code_["淺\\深\\d.jar"])}}, {}, false,
       "未被允许的文件: d.jar", ""},
      {"a whitelisted directory exempts only the files directly in it",
       {{"\\mods\\", "*.jar", false, true, 0, without(code_["淺\\c.jar"])}}, {"\\mods\\淺\\"}, true, "", ""},
      {"... not those in its subdirectories",
       {{"\\mods\\", "*.jar", false, true, 0, without(code_["淺\\深\\d.jar"])}}, {"\\mods\\淺\\"}, false,
       "未被允许的文件: d.jar", ""},
      {"missing directory passes",
       {{"\\gone\\", "*.*", false, true, 7, {}}}, {}, true, "", ""},
      {"missing directory with full match and a count fails",
       {{"\\gone\\", "*.*", true, true, 7, {}}}, {}, false, "文件数据发生异常: 0", "数量不一致 - 0"},
      {"the first failing group is reported, later ones are not examined",
       {{"\\config\\", "*.cfg", false, false, 0, {}}, {"\\mods\\", "*.jar", true, false, 1, {}}}, {}, false,
       "未被允许的文件: x.cfg", ""},
      {"a group directory without its leading backslash",
       {{"config\\", "*.cfg", true, false, 1, {}}}, {}, false, "未被允许的文件: x.cfg", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ZoneVerdict out = VerifyZone(tree_.Root(), Verification(c.groups), Whitelist(c.whitelist));
    EXPECT_EQ(out.passed, c.pass);
    EXPECT_EQ(out.user_text, c.user_text);
    if (!c.detail.empty() || c.pass) {
      EXPECT_EQ(out.report_detail, c.detail);
    }
  }
}

TEST_F(VerifyZoneTest, FilesAreMatchedByContentAndSize) {
  // A copy of a recorded file under another name passes; an unrecorded empty file passes,
  // since an absent recorded size reads as 0.
  tree_.File("mods\\renamed.jar", "abc");
  tree_.File("mods\\empty.jar", "");
  const JsonDocument whitelist = Whitelist({});
  const JsonDocument open = Verification({{"\\mods\\", "*.jar", false, false, 0, AllMods()}});
  EXPECT_TRUE(VerifyZone(tree_.Root(), open, whitelist).passed);
  // With the full-match flag on, the extra copy fails the count.
  const JsonDocument counted = Verification({{"\\mods\\", "*.jar", true, false, 4, AllMods()}});
  ZoneVerdict out = VerifyZone(tree_.Root(), counted, whitelist);
  EXPECT_EQ(out.user_text, "文件数据发生异常: 5");

  // A changed file's detail: its name, " # ", its 32-digit fscode.
  tree_.File("mods\\a.jar", "abd");
  out = VerifyZone(tree_.Root(), Verification({{"\\mods\\", "a.jar", false, false, 0, AllMods()}}), whitelist);
  ASSERT_FALSE(out.passed);
  EXPECT_EQ(out.report_detail.substr(0, 8), "a.jar # ");
  EXPECT_EQ(out.report_detail.size(), 8u + 32u);
  EXPECT_NE(out.report_detail.substr(8), kAbc);
}

TEST_F(VerifyZoneTest, RootFormAndPumping) {
  const JsonDocument verification = Verification({{"\\mods\\", "*.jar", true, true, 5, AllMods()},
                                                  {"\\config\\", "*.cfg", false, false, 0, {}}});
  const JsonDocument whitelist = Whitelist({"\\config\\"});
  // A trailing separator on the root is ignored, also for the whitelist.
  int pumps = 0;
  ZoneVerdict out = VerifyZone(tree_.Root() + "\\", verification, whitelist, [&] { ++pumps; });
  EXPECT_TRUE(out.passed) << GbkToUtf8(out.user_text);
  // Events run after the 6 files found, the 2 subdirectories walked, the 5 chunks read (the
  // whitelisted file is not read) and the first group passed.
  EXPECT_GE(pumps, 6 + 2 + 5 + 1);

  // No verification data: pass without touching the disk.
  pumps = 0;
  JsonDocument empty;
  empty.Parse();
  EXPECT_TRUE(VerifyZone(tree_.Path("nowhere"), empty, whitelist, [&] { ++pumps; }).passed);
  EXPECT_TRUE(VerifyZone(tree_.Path("nowhere"), JsonDocument(), JsonDocument()).passed);
  EXPECT_EQ(pumps, 0);
  EXPECT_FALSE(std::filesystem::exists(tree_.Native("nowhere")));
}

TEST_F(VerifyZoneTest, AnUnreadableFileAlwaysFails) {
  // A name without a GBK form cannot be opened under the name the walk reports. It is the
  // first file checked: a verifier that compared a size left over from an earlier file (none,
  // so 0) with the absent record (read as 0) would let it pass.
  testing::TempTree::FileAt(tree_.Native("mods") / std::filesystem::path(u"\uAC00.jar"), "");
  ZoneVerdict out =
      VerifyZone(tree_.Root(), Verification({{"\\mods\\", "*.jar", false, false, 0, AllMods()}}), Whitelist({}));
  EXPECT_FALSE(out.passed);
  EXPECT_EQ(out.user_text, "未被允许的文件: ?.jar");
  EXPECT_EQ(out.report_detail.rfind("?.jar # ReadFileError_", 0), 0u) << out.report_detail;
  // Nothing was created under the approximate name.
  EXPECT_FALSE(std::filesystem::exists(tree_.Native("mods\\?.jar")));
}

}  // namespace
}  // namespace quillon::launcher
