#include "launcher_plugin/reception.h"

#include <memory>
#include <string>

#include "common/hex_text.h"
#include "common/json_document.h"
#include "common/messages.h"
#include "launcher_plugin/detached_message.h"
#include "launcher_plugin/host_functions.h"
#include "launcher_plugin/launcher_state.h"

namespace quillon::launcher {
namespace {

// A zone's hex-encoded JSON as a document; empty when missing or invalid.
JsonDocument ZoneDocument(const JsonDocument& package, const std::string& path) {
  std::string bytes = FromHexText(package.GetText(path));
  JsonDocument doc;
  doc.Parse(TextBeforeZero(bytes));
  return doc;
}

void Publish(std::shared_ptr<const ZoneData> data) {
  LauncherState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  state.zone_data = std::move(data);
}

void ReceiveKick(std::string_view message) {
  const LauncherServices& services = State().services;
  ShowDetachedMessage(services, MessageKind::kInformation, kPluginName, message);
  services.terminate(0);
}

}  // namespace

void ReceiveClientPackage(std::string_view content) {
  if (content.empty()) return;

  LauncherState& state = State();
  std::shared_ptr<const ZoneData> previous = ZoneSnapshot();
  // Readers between now and the end see no zone data (and so the plugin as not initialised),
  // but keep the character whitelist until the new one is read.
  auto interim = std::make_shared<ZoneData>();
  interim->character_whitelist = previous->character_whitelist;
  Publish(interim);

  auto data = std::make_shared<ZoneData>();
  JsonDocument package;
  package.Parse(content);
  for (int n = 1; n <= 16; ++n) {
    std::string zone = "Zones.S_" + std::to_string(n);
    data->zone_enabled.push_back(package.GetBool(zone + ".enable"));
    data->zone_verification.push_back(ZoneDocument(package, zone + ".f_datas"));
    data->zone_whitelist.push_back(ZoneDocument(package, zone + ".w_datas"));
    state.services.pump_events();
  }
  data->character_whitelist.Parse(package.ToText("Whitelist_Player"));
  size_t zones = data->zone_enabled.size();
  Publish(std::move(data));
  HostWhiteRunLog("反作弊调试", "区服数量: " + std::to_string(zones));
}

void OpenZonePicker() {
  JsonDocument zones;
  zones.Parse(HostGetGameZones());
  State().zone_list = zones;
}

void ReceiveServerBlock(const uint8_t* data, size_t length) {
  std::string block;
  if (data != nullptr) block.assign(reinterpret_cast<const char*>(data), length);
  ServerMessage message = UnpackServerMessage(State().envelope_codec, block);
  switch (message.kind) {
    case ServerMessageKind::kClientPackage:
      ReceiveClientPackage(message.content);
      break;
    case ServerMessageKind::kClientSettingsRequest:
      HostMThreadExecution(&OpenZonePicker);
      break;
    case ServerMessageKind::kKickMessage:
      ReceiveKick(message.content);
      break;
    case ServerMessageKind::kNone:
      break;
  }
}

}  // namespace quillon::launcher
