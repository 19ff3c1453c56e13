#include "common/messages.h"

#include "common/dbcs_text.h"

namespace quillon {
namespace {

constexpr std::string_view kResendRequestName = "重新发送数据";
constexpr std::string_view kViolationReportName = "出现违规文件";

// Two upper-case hexadecimal digits per byte: the key of a character in the package.
std::string HexText(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    out.push_back(kDigits[c >> 4]);
    out.push_back(kDigits[c & 0x0F]);
  }
  return out;
}

// Position of the first occurrence of mark at or after from that starts on a character
// boundary (a mark is never found inside a double-byte character), or npos.
size_t FindMark(std::string_view text, std::string_view mark, size_t from) {
  for (size_t pos = from; pos < text.size(); pos += GbkCharLength(text, pos)) {
    if (text.substr(pos, mark.size()) == mark) return pos;
  }
  return std::string_view::npos;
}

// The content between the first opening mark and the first closing mark after it; empty
// when either is missing.
std::string BlockContent(std::string_view text, std::string_view opening, std::string_view closing) {
  const size_t open = FindMark(text, opening, 0);
  if (open == std::string_view::npos) return {};
  const size_t begin = open + opening.size();
  const size_t close = FindMark(text, closing, begin);
  if (close == std::string_view::npos) return {};
  return std::string(text.substr(begin, close - begin));
}

std::string Tagged(std::string_view opening, std::string_view content, std::string_view closing) {
  std::string text;
  text.reserve(opening.size() + content.size() + closing.size());
  text.append(opening).append(content).append(closing);
  return text;
}

// A received block as text: unpacked with the CRC check, up to its first zero byte.
std::string UnpackedText(const EnvelopeCodec& codec, std::string_view block) {
  std::string data = codec.Unpack(block);
  const size_t zero = data.find('\0');
  if (zero != std::string::npos) data.resize(zero);
  return data;
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
  const std::string prefix = "Whitelist_Player." + HexText(character_name);
  document_.SetString(prefix + ".sataus", "1");
  document_.SetString(prefix + ".uid", uid);
}

std::string ClientPackageBuilder::Text() const {
  return Tagged(kClientPackageOpen, CompactText(document_), kClientPackageClose);
}

std::string KickMessageText(std::string_view message) { return Tagged(kKickOpen, message, kKickClose); }

std::string ClientSettingsRequestText(std::string_view character_name) {
  return Tagged(kClientSettingsOpen, character_name, kClientSettingsClose);
}

ServerMessage RecognizeServerMessage(std::string_view text) {
  ServerMessage message;
  if (text.starts_with(kClientPackageOpen)) {
    message.kind = ServerMessageKind::kClientPackage;
    message.content = BlockContent(text, kClientPackageOpen, kClientPackageClose);
  } else if (text.starts_with(kClientSettingsOpen)) {
    message.kind = ServerMessageKind::kClientSettingsRequest;
  } else if (text.starts_with(kKickOpen)) {
    message.kind = ServerMessageKind::kKickMessage;
    message.content = BlockContent(text, kKickOpen, kKickClose);
  }
  return message;
}

ServerMessage UnpackServerMessage(const EnvelopeCodec& codec, std::string_view block) {
  return RecognizeServerMessage(UnpackedText(codec, block));
}

bool IsCharacterWhitelisted(const JsonDocument& character_whitelist, std::string_view character_name) {
  return character_whitelist.GetText(HexText(character_name) + ".sataus") == "1";
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
