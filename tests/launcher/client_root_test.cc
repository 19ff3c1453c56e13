#include "launcher_plugin/client_root.h"

#include <gtest/gtest.h>

#include "launcher_plugin/launcher_state.h"

namespace quillon::launcher {
namespace {

TEST(ClientRoot, DerivedFromThePluginDirectory) {
  struct Case {
    std::string plugin_dir;
    std::string root;
  } cases[] = {
      {"D:\\Game\\.Minecraft\\.Quillon\\Ver.5.0\\Plugin_File\\Quillon反作弊\\", "D:\\Game"},
      // Suffix in another letter case.
      {"D:\\Game\\.MINECRAFT\\.quillon\\VER.5.0\\plugin_file\\QUILLON反作弊\\", "D:\\Game"},
      // Directories holding characters whose trail byte is a backslash or a letter.
      {"D:\\淺\\設\\.Minecraft\\.Quillon\\Ver.5.0\\Plugin_File\\Quillon反作弊\\", "D:\\淺\\設"},
      {"E:\\游戏淺\\.Minecraft\\.Quillon\\Ver.5.0\\Plugin_File\\Quillon反作弊\\", "E:\\游戏淺"},
      // Without the trailing backslash the suffix is not there.
      {"D:\\Game\\.Minecraft\\.Quillon\\Ver.5.0\\Plugin_File\\Quillon反作弊",
       "D:\\Game\\.Minecraft\\.Quillon\\Ver.5.0\\Plugin_File\\Quillon反作弊"},
      {"", ""},
      {"C:\\Other\\", "C:\\Other\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(DeriveClientRoot(c.plugin_dir, kPluginName), c.root) << c.plugin_dir;
}

TEST(ClientRoot, EmptyPluginNameBeforeInformation) {
  // Before _launcher_appinfo the name is empty: the suffix ends in "\\\\" and is not found.
  EXPECT_EQ(DeriveClientRoot("D:\\Game\\.Minecraft\\.Quillon\\Ver.5.0\\Plugin_File\\Quillon反作弊\\", ""),
            "D:\\Game\\.Minecraft\\.Quillon\\Ver.5.0\\Plugin_File\\Quillon反作弊\\");
}

}  // namespace
}  // namespace quillon::launcher
