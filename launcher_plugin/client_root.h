// The game client's root directory, derived from the launcher plugin's own directory.
//
// The host installs plugins under <client root>\.Minecraft\.Quillon\Ver.5.0\Plugin_File\<name>\.
// Removing that suffix (found without regard to letter case, never inside a double-byte
// character) gives the root, without a trailing backslash; every protected directory of the
// zone data starts with "\" and is appended to it directly.
#pragma once

#include <string>
#include <string_view>

namespace quillon::launcher {

// plugin_dir with every occurrence of the plugin-directory suffix for plugin_name removed;
// plugin_dir itself when it holds none.
std::string DeriveClientRoot(std::string_view plugin_dir, std::string_view plugin_name);

}  // namespace quillon::launcher
