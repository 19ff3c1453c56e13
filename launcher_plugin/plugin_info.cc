#include "launcher_plugin/plugin_info.h"

#include "common/json_document.h"

namespace quillon::launcher {

PluginInfo MakePluginInfo() {
  PluginInfo info;
  info.sdk_version = "1.0.0";
  info.plugin_name = kPluginName;
  info.plugin_version = "1.0.1";
  info.author = "Quillon反作弊开发组";
  info.contact_link = "https://quillon-anticheat.example/contact";
  return info;
}

std::string PluginInfoText(const PluginInfo& info) {
  JsonDocument doc;
  doc.Parse();
  doc.SetString("SDK版本", info.sdk_version);
  doc.SetString("插件名字", info.plugin_name);
  doc.SetString("插件版本", info.plugin_version);
  doc.SetString("插件作者", info.author);
  doc.SetString("作者联系链接", info.contact_link);
  return doc.ToText({}, /*indent=*/false, /*escape=*/false);
}

}  // namespace quillon::launcher
