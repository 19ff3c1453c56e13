#include "launcher_plugin/client_root.h"

#include "common/dbcs_text.h"

namespace quillon::launcher {

std::string DeriveClientRoot(std::string_view plugin_dir, std::string_view plugin_name) {
  std::string suffix = "\\.Minecraft\\.Quillon\\Ver.5.0\\Plugin_File\\";
  suffix.append(plugin_name);
  suffix += '\\';
  return RemoveAllNoCase(plugin_dir, suffix);
}

}  // namespace quillon::launcher
