#include "common/messages.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

TEST(Messages, LauncherMessagesHaveTheirExactTexts) {
  EXPECT_EQ(ResendRequestText(), "{\"function\":{\"name\":\"重新发送数据\"}}");
  // "/" is written escaped; GBK text stays as it is.
  EXPECT_EQ(ViolationReportText("mods/某某.jar # 0123456789abcdef0123456789abcdef", "1700000000123"),
            "{\"function\":{\"name\":\"出现违规文件\"},\"data\":{\"gamesataus\":false,"
            "\"wfinfo\":\"mods\\/某某.jar # 0123456789abcdef0123456789abcdef\",\"time\":\"1700000000123\"}}");
}

TEST(Messages, ServerTaggedTextsHaveTheirExactTexts) {
  EXPECT_EQ(KickMessageText(kViolationLimitKickMessage), "[QFP_KICK/]违规操作上限.自动封号并踢出[/QFP_KICK]");
  EXPECT_EQ(ClientSettingsRequestText("玩家一号"), "[QFP_CLIENTSET/]玩家一号[/QFP_CLIENTSET]");
}

TEST(Messages, ClientPackageListsZonesInOrderThenTheWhitelist) {
  ClientPackageBuilder builder;
  for (int zone = 1; zone <= 16; ++zone) {
    const bool on = zone == 2 || zone == 16;
    builder.AddZone(zone, on, on ? "7B7D" : "ignored", zone == 2 ? "7B22" : "");
  }
  builder.AddCharacter("玩家", "U1");  // GBK CD E6 BC D2
  builder.AddCharacter("Steve", "U2");
  builder.AddCharacter("玩家", "U3");  // same name again: one entry, the later uid

  std::string zones;
  for (int zone = 1; zone <= 16; ++zone) {
    if (zone > 1) zones += ",";
    zones += "\"S_" + std::to_string(zone) + "\":{\"enable\":";
    if (zone == 2) {
      zones += "true,\"f_datas\":\"7B7D\",\"w_datas\":\"7B22\"}";
    } else if (zone == 16) {
      zones += "true,\"f_datas\":\"7B7D\",\"w_datas\":\"\"}";
    } else {
      zones += "false}";
    }
  }
  EXPECT_EQ(builder.Text(), "[QFP_DATA/]{\"Zones\":{" + zones +
                                "},\"Whitelist_Player\":{\"CDE6BCD2\":{\"sataus\":\"1\",\"uid\":\"U3\"},"
                                "\"5374657665\":{\"sataus\":\"1\",\"uid\":\"U2\"}}}[/QFP_DATA]");

  ClientPackageBuilder without_whitelist;
  for (int zone = 1; zone <= 16; ++zone) without_whitelist.AddZone(zone, false, "", "");
  EXPECT_EQ(without_whitelist.Text().find("Whitelist_Player"), std::string::npos);
}

TEST(Messages, EveryMessageSurvivesTheEnvelope) {
  const EnvelopeCodec codec;
  ClientPackageBuilder builder;
  for (int zone = 1; zone <= 16; ++zone) builder.AddZone(zone, zone % 2 == 1, "7B7D", "7B7D");
  builder.AddCharacter("玩家", "U1");

  const ServerMessage package = UnpackServerMessage(codec, codec.Pack(builder.Text()));
  ASSERT_EQ(package.kind, ServerMessageKind::kClientPackage);
  JsonDocument document;
  ASSERT_TRUE(document.Parse(package.content));
  EXPECT_TRUE(document.GetBool("Zones.S_1.enable"));
  EXPECT_FALSE(document.GetBool("Zones.S_2.enable"));
  EXPECT_EQ(document.GetText("Zones.S_1.f_datas"), "7B7D");
  EXPECT_EQ(document.GetText("Zones.S_2.f_datas"), "");
  JsonDocument whitelist;
  ASSERT_TRUE(whitelist.Parse(document.ToText("Whitelist_Player")));
  EXPECT_TRUE(IsCharacterWhitelisted(whitelist, "玩家"));
  EXPECT_FALSE(IsCharacterWhitelisted(whitelist, "Steve"));

  const ServerMessage kick = UnpackServerMessage(codec, codec.Pack(KickMessageText(kViolationLimitKickMessage)));
  EXPECT_EQ(kick.kind, ServerMessageKind::kKickMessage);
  EXPECT_EQ(kick.content, kViolationLimitKickMessage);

  const ServerMessage settings = UnpackServerMessage(codec, codec.Pack(ClientSettingsRequestText("玩家")));
  EXPECT_EQ(settings.kind, ServerMessageKind::kClientSettingsRequest);

  EXPECT_EQ(UnpackLauncherMessage(codec, codec.Pack(ResendRequestText())).kind, LauncherMessageKind::kResendRequest);
  const LauncherMessage report =
      UnpackLauncherMessage(codec, codec.Pack(ViolationReportText("\\mods\\a/b.jar # x", "1700000000123")));
  EXPECT_EQ(report.kind, LauncherMessageKind::kViolationReport);
  EXPECT_FALSE(report.game_running);
  EXPECT_EQ(report.detail, "\\mods\\a/b.jar # x");
}

TEST(Messages, DamagedBlocksAreNoMessage) {
  const EnvelopeCodec codec;
  std::string kick = codec.Pack(KickMessageText("bye"));
  kick[8] = static_cast<char>(kick[8] ^ 1);  // CRC field
  EXPECT_EQ(UnpackServerMessage(codec, kick).kind, ServerMessageKind::kNone);
  std::string resend = codec.Pack(ResendRequestText());
  resend[8] = static_cast<char>(resend[8] ^ 1);
  EXPECT_EQ(UnpackLauncherMessage(codec, resend).kind, LauncherMessageKind::kNone);
  EXPECT_EQ(UnpackServerMessage(codec, "").kind, ServerMessageKind::kNone);
  EXPECT_EQ(UnpackLauncherMessage(codec, "short").kind, LauncherMessageKind::kNone);

  // A block is read as text up to its first zero byte.
  const ServerMessage cut = UnpackServerMessage(codec, codec.Pack(std::string("[QFP_KICK/]a\0b[/QFP_KICK]", 25)));
  EXPECT_EQ(cut.kind, ServerMessageKind::kKickMessage);
  EXPECT_EQ(cut.content, "");
}

TEST(Messages, ServerTextsAreRecognisedByTheirBeginning) {
  struct Case {
    const char* name;
    std::string text;
    ServerMessageKind kind;
    std::string content;
  } cases[] = {
      {"package", "[QFP_DATA/]{}[/QFP_DATA]", ServerMessageKind::kClientPackage, "{}"},
      {"package, empty content", "[QFP_DATA/][/QFP_DATA]", ServerMessageKind::kClientPackage, ""},
      {"package, no closing mark", "[QFP_DATA/]{}", ServerMessageKind::kClientPackage, ""},
      {"package before a kick mark", "[QFP_DATA/]{}[/QFP_DATA][QFP_KICK/]m[/QFP_KICK]",
       ServerMessageKind::kClientPackage, "{}"},
      {"kick before a package mark", "[QFP_KICK/]m[/QFP_KICK][QFP_DATA/]{}[/QFP_DATA]",
       ServerMessageKind::kKickMessage, "m"},
      {"kick, no closing mark", "[QFP_KICK/]message", ServerMessageKind::kKickMessage, ""},
      {"kick, empty message", "[QFP_KICK/][/QFP_KICK]", ServerMessageKind::kKickMessage, ""},
      // "\x81[" is one double-byte character: its trail byte does not start a closing mark.
      {"kick, mark bytes inside a character", "[QFP_KICK/]\x81[/QFP_KICK]x[/QFP_KICK]",
       ServerMessageKind::kKickMessage, "\x81[/QFP_KICK]x"},
      {"settings request", "[QFP_CLIENTSET/]Steve[/QFP_CLIENTSET]", ServerMessageKind::kClientSettingsRequest, ""},
      {"settings request, empty", "[QFP_CLIENTSET/]", ServerMessageKind::kClientSettingsRequest, ""},
      {"kick mark not at the start", " [QFP_KICK/]m[/QFP_KICK]", ServerMessageKind::kNone, ""},
      {"lower case", "[qfp_kick/]m[/qfp_kick]", ServerMessageKind::kNone, ""},
      {"JSON", "{\"function\":{\"name\":\"重新发送数据\"}}", ServerMessageKind::kNone, ""},
      {"empty", "", ServerMessageKind::kNone, ""},
  };
  for (const auto& c : cases) {
    const ServerMessage message = RecognizeServerMessage(c.text);
    EXPECT_EQ(message.kind, c.kind) << c.name;
    EXPECT_EQ(message.content, c.content) << c.name;
  }
}

TEST(Messages, LauncherTextsAreRecognisedByFunctionName) {
  struct Case {
    const char* name;
    std::string text;
    LauncherMessageKind kind;
    bool game_running;
    std::string detail;
  } cases[] = {
      {"resend", "{\"function\":{\"name\":\"重新发送数据\"}}", LauncherMessageKind::kResendRequest, false, ""},
      {"report", "{\"function\":{\"name\":\"出现违规文件\"},\"data\":{\"gamesataus\":false,\"wfinfo\":\"数量不一致 - 3\"}}",
       LauncherMessageKind::kViolationReport, false, "数量不一致 - 3"},
      {"report, game running", "{\"function\":{\"name\":\"出现违规文件\"},\"data\":{\"gamesataus\":true}}",
       LauncherMessageKind::kViolationReport, true, ""},
      {"report, flag as number", "{\"function\":{\"name\":\"出现违规文件\"},\"data\":{\"gamesataus\":1}}",
       LauncherMessageKind::kViolationReport, true, ""},
      {"report, flag as string", "{\"function\":{\"name\":\"出现违规文件\"},\"data\":{\"gamesataus\":\"true\"}}",
       LauncherMessageKind::kViolationReport, false, ""},
      {"report, escaped slash", "{\"function\":{\"name\":\"出现违规文件\"},\"data\":{\"wfinfo\":\"a\\/b\"}}",
       LauncherMessageKind::kViolationReport, false, "a/b"},
      {"other name", "{\"function\":{\"name\":\"重新发送数据 \"}}", LauncherMessageKind::kNone, false, ""},
      {"no name", "{\"data\":{\"gamesataus\":true}}", LauncherMessageKind::kNone, false, ""},
      {"not JSON", "{\"function\":", LauncherMessageKind::kNone, false, ""},
      {"tagged text", "[QFP_KICK/]m[/QFP_KICK]", LauncherMessageKind::kNone, false, ""},
      {"empty", "", LauncherMessageKind::kNone, false, ""},
  };
  for (const auto& c : cases) {
    const LauncherMessage message = RecognizeLauncherMessage(c.text);
    EXPECT_EQ(message.kind, c.kind) << c.name;
    EXPECT_EQ(message.game_running, c.game_running) << c.name;
    EXPECT_EQ(message.detail, c.detail) << c.name;
  }
}

TEST(Messages, WhitelistNeedsTheExactText1) {
  JsonDocument whitelist;
  ASSERT_TRUE(whitelist.Parse(
      "{\"41\":{\"sataus\":\"1\"},\"42\":{\"sataus\":1},\"43\":{\"sataus\":true},\"44\":{\"sataus\":\"01\"},"
      "\"45\":{\"uid\":\"U\"},\"CDE6BCD2\":{\"sataus\":\"1\"}}"));
  struct Case {
    std::string name;
    bool whitelisted;
  } cases[] = {{"A", true}, {"B", true}, {"C", false}, {"D", false}, {"E", false}, {"F", false}, {"玩家", true}};
  for (const auto& c : cases) EXPECT_EQ(IsCharacterWhitelisted(whitelist, c.name), c.whitelisted) << c.name;
  EXPECT_FALSE(IsCharacterWhitelisted(JsonDocument(), "A"));
}

}  // namespace
}  // namespace quillon
