// The five messages between the server plugin and the launcher plugins: builders of their
// texts and recognisers of the texts (or packed blocks) that arrive.
//
// Server to launcher, tagged texts: the client data package "[QFP_DATA/]" + JSON + "[/QFP_DATA]",
// the kick message "[QFP_KICK/]" + message + "[/QFP_KICK]" and the client-settings request
// "[QFP_CLIENTSET/]" + character name + "[/QFP_CLIENTSET]". Launcher to server, JSON texts: the
// resend request {"function":{"name":"重新发送数据"}} and the violation report
// {"function":{"name":"出现违规文件"},"data":{"gamesataus":...,"wfinfo":"...","time":"..."}}.
// JSON is written compact with string escaping on. Every text travels as its GBK bytes (no
// terminating zero) inside the compression envelope; a received block is read as text up to
// its first zero byte, and one that does not unpack reads as the empty text, which is no
// message. Texts are GBK. Nothing here keeps state.
#pragma once

#include <string>
#include <string_view>

#include "common/envelope_codec.h"
#include "common/json_document.h"

namespace quillon {

inline constexpr std::string_view kClientPackageOpen = "[QFP_DATA/]";
inline constexpr std::string_view kClientPackageClose = "[/QFP_DATA]";
inline constexpr std::string_view kKickOpen = "[QFP_KICK/]";
inline constexpr std::string_view kKickClose = "[/QFP_KICK]";
inline constexpr std::string_view kClientSettingsOpen = "[QFP_CLIENTSET/]";
inline constexpr std::string_view kClientSettingsClose = "[/QFP_CLIENTSET]";

// The kick message the server sends when a user reaches the violation limit.
inline constexpr std::string_view kViolationLimitKickMessage = "违规操作上限.自动封号并踢出";

// --- Server to launcher -------------------------------------------------------------------

// Builds the client data package member by member, so that the caller may let window events
// run between zones and rows. Members are created in call order: call AddZone for zones 1 to
// 16 first, then AddCharacter for each whitelisted character.
class ClientPackageBuilder {
 public:
  ClientPackageBuilder();

  // Zone n (1..16): "Zones.S_n.enable" and, for a switched-on zone only, "Zones.S_n.f_datas"
  // and "Zones.S_n.w_datas" (the stored hex texts of its verification and whitelist data).
  void AddZone(int zone, bool enabled, std::string_view verification_data, std::string_view whitelist_data);

  // "Whitelist_Player.<hex text of the name>" with "sataus" "1" and "uid". A name added again
  // keeps its place and takes the later uid.
  void AddCharacter(std::string_view character_name, std::string_view uid);

  // "[QFP_DATA/]" + the compact escaped JSON text + "[/QFP_DATA]".
  std::string Text() const;

 private:
  JsonDocument document_;
};

// "[QFP_KICK/]" + message + "[/QFP_KICK]".
std::string KickMessageText(std::string_view message);

// "[QFP_CLIENTSET/]" + character name + "[/QFP_CLIENTSET]".
std::string ClientSettingsRequestText(std::string_view character_name);

enum class ServerMessageKind { kNone, kClientPackage, kClientSettingsRequest, kKickMessage };

struct ServerMessage {
  ServerMessageKind kind = ServerMessageKind::kNone;
  // Client data package: the JSON text between its marks (empty: the package is to be
  // ignored). Kick message: the message (empty when the closing mark is missing; the kick
  // still applies). Client-settings request: empty, its content is not read.
  std::string content;
};

// What a received text is: the first of "[QFP_DATA/]", "[QFP_CLIENTSET/]" and "[QFP_KICK/]"
// that the text begins with (exactly, case-sensitively) decides; anything else is no message.
ServerMessage RecognizeServerMessage(std::string_view text);

// Unpacks block with the CRC check, reads it as text and recognises it.
ServerMessage UnpackServerMessage(const EnvelopeCodec& codec, std::string_view block);

// True when the character counts as whitelisted in the "Whitelist_Player" object of a client
// data package: the text of <hex text of the name>.sataus is exactly "1" (the string "1" or
// the number 1; not true, not "01").
bool IsCharacterWhitelisted(const JsonDocument& character_whitelist, std::string_view character_name);

// --- Launcher to server -------------------------------------------------------------------

// {"function":{"name":"重新发送数据"}}
std::string ResendRequestText();

// The violation report: "function.name" "出现违规文件", then "data.gamesataus" (the sender's
// game-running flag; the launcher plugin always sends false), "data.wfinfo" (the violation
// detail) and "data.time" (the sender's 13-digit millisecond time text).
std::string ViolationReportText(std::string_view detail, std::string_view time_text, bool game_running = false);

enum class LauncherMessageKind { kNone, kResendRequest, kViolationReport };

struct LauncherMessage {
  LauncherMessageKind kind = LauncherMessageKind::kNone;
  bool game_running = false;  // violation report: "data.gamesataus" as a truth value
  std::string detail;         // violation report: "data.wfinfo" as text
};

// What a received text is, by its "function.name" (compared byte for byte). A text that does
// not parse as JSON, or any other name, is no message.
LauncherMessage RecognizeLauncherMessage(std::string_view text);

// Unpacks block with the CRC check, reads it as text and recognises it.
LauncherMessage UnpackLauncherMessage(const EnvelopeCodec& codec, std::string_view block);

}  // namespace quillon
