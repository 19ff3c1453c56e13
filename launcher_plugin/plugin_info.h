// The launcher plugin's information record and the JSON text the host reads from it.
#pragma once

#include <string>

#include "launcher_plugin/launcher_state.h"

namespace quillon::launcher {

// The record with this plugin's values.
PluginInfo MakePluginInfo();

// The plugin-information JSON: the record's five fields under the host's keys, in order,
// compact and with string escaping off (the host reads the texts as written).
std::string PluginInfoText(const PluginInfo& info);

}  // namespace quillon::launcher
