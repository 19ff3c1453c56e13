#include "common/messages.h"

#include "common/hex_text.h"
#include "common/tagged_block.h"

namespace quillon {
namespace {

constexpr std::string_view kResendRequestName = "重新发送数据";
constexpr std::string_view kViolationReportName = "出现违规文件";

// A received block as text: unpacked with the CRC check, up to its first zero byte.
std::string UnpackedText(const EnvelopeCodec& codec, std::string_view block) {
  return std::string(TextBeforeZero(codec.Unpack(block)));
}

std::string CompactText(const JsonDocument& document) { return document.ToText({}, false, true); }

}  // namespace

ClientPackageBuilder::ClientPackageBuilder() { document_.Parse(); }

void ClientPackageBuilder::AddZone(int zone, bool enabled, std::string_view verification_data,
                                   std::string_view whitelist_data) {
  if (zone < 1 || zone > 16) return;
  const std::string prefix = "Zones.S_" + std::to_string(zone);
  document_.SetBool(prefix + ".enable", enabled);
  if (!enabled) return;
  document_.SetString(prefix + ".f_datas", verification_data);
  document_.SetString(prefix + ".w_datas", whitelist_data);
}

void ClientPackageBuilder::AddCharacter(std::string_view character_name, std::string_view uid) {
  const std::string prefix = "Whitelist_Player." + ToHexText(character_name);
  document_.SetString(prefix + ".sataus", "1");
  document_.SetString(prefix + ".uid", uid);
}

std::string ClientPackageBuilder::Text() const {
  return MakeBlock(kClientPackageOpen, CompactText(document_), kClientPackageClose);
}

std::string KickMessageText(std::string_view message) { return MakeBlock(kKickOpen, message, kKickClose); }

std::string ClientSettingsRequestText(std::string_view character_name) {
  return MakeBlock(kClientSettingsOpen, character_name, kClientSettingsClose);
}

ServerMessage RecognizeServerMessage(std::string_view text) {
  ServerMessage message;
  if (text.starts_with(kClientPackageOpen)) {
    message.kind = ServerMessageKind::kClientPackage;
    message.content = ExtractBlock(text, kClientPackageOpen, kClientPackageClose);
  } else if (text.starts_with(kClientSettingsOpen)) {
    message.kind = ServerMessageKind::kClientSettingsRequest;
  } else if (text.starts_with(kKickOpen)) {
    message.kind = ServerMessageKind::kKickMessage;
    message.content = ExtractBlock(text, kKickOpen, kKickClose);
  }
  return message;
}

ServerMessage UnpackServerMessage(const EnvelopeCodec& codec, std::string_view block) {
  return RecognizeServerMessage(UnpackedText(codec, block));
}

bool IsCharacterWhitelisted(const JsonDocument& character_whitelist, std::string_view character_name) {
  return character_whitelist.GetText(ToHexText(character_name) + ".sataus") == "1";
}

std::string ResendRequestText() {
  JsonDocument document;
  document.Parse();
  document.SetString("function.name", kResendRequestName);
  return CompactText(document);
}

std::string ViolationReportText(std::string_view detail, std::string_view time_text, bool game_running) {
  JsonDocument document;
  document.Parse();
  document.SetString("function.name", kViolationReportName);
  document.SetBool("data.gamesataus", game_running);
  document.SetString("data.wfinfo", detail);
  document.SetString("data.time", time_text);
  return CompactText(document);
}

LauncherMessage RecognizeLauncherMessage(std::string_view text) {
  LauncherMessage message;
  JsonDocument document;
  if (!document.Parse(text)) return message;
  const std::string name = document.GetText("function.name");
  if (name == kResendRequestName) {
    message.kind = LauncherMessageKind::kResendRequest;
  } else if (name == kViolationReportName) {
    message.kind = LauncherMessageKind::kViolationReport;
    message.game_running = document.GetBool("data.gamesataus");
    message.detail = document.GetText("data.wfinfo");
  }
  return message;
}

LauncherMessage UnpackLauncherMessage(const EnvelopeCodec& codec, std::string_view block) {
  return RecognizeLauncherMessage(UnpackedText(codec, block));
}

}  // namespace quillon
