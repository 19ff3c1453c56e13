#include "launcher_plugin/detached_message.h"

#include <gtest/gtest.h>

namespace quillon::launcher {
namespace {

TEST(DetachedMessage, MshtaCommandLineKeepsTextInsideTheLiteral) {
  struct Case {
    MessageKind kind;
    std::string title, text, line;
  } cases[] = {
      {MessageKind::kError, "Quillon反作弊", "未被允许的文件: x.jar",
       "C:\\Windows\\System32\\mshta.exe vbscript:msgbox(\"未被允许的文件: x.jar\",65552,\"Quillon反作弊\")(window.close)"},
      {MessageKind::kInformation, "T", "",
       "C:\\Windows\\System32\\mshta.exe vbscript:msgbox(\"\",65600,\"T\")(window.close)"},
      // A file name that would end the literal or be decoded by the URL handler is shown as named.
      {MessageKind::kError, "Q", "a'b%22&).jar",
       "C:\\Windows\\System32\\mshta.exe vbscript:msgbox(\"a'b\" & chr(37) & \"22&).jar\",65552,\"Q\")(window.close)"},
      {MessageKind::kError, "\"t\"", "x\"y\r\nz",
       "C:\\Windows\\System32\\mshta.exe vbscript:msgbox(\"x\" & chr(34) & \"y\" & chr(13) & \"\" & chr(10) & \"z\",65552,"
       "\"\" & chr(34) & \"t\" & chr(34) & \"\")(window.close)"},
      // Trail bytes of double-byte characters are never taken for quotes or percent signs.
      {MessageKind::kError, "淺", "設淺", "C:\\Windows\\System32\\mshta.exe vbscript:msgbox(\"設淺\",65552,\"淺\")(window.close)"},
  };
  for (const auto& c : cases) EXPECT_EQ(MshtaCommandLine(c.kind, c.title, c.text), c.line) << c.text;
}

TEST(DetachedMessage, StartsTheBoxThroughTheServices) {
  std::vector<DetachedLaunch> started;
  LauncherServices services;
  services.start_detached = [&](const DetachedLaunch& launch) {
    started.push_back(launch);
    return true;
  };
#if !defined(_WIN32)
  setenv("QUILLON_MSGBOX", "/bin/true", 1);
#endif
  ShowDetachedMessage(services, MessageKind::kError, "标题", "正文");
  ASSERT_EQ(started.size(), 1u);
#if defined(_WIN32)
  EXPECT_EQ(started[0].command_line, MshtaCommandLine(MessageKind::kError, "标题", "正文"));
#else
  EXPECT_EQ(started[0].program, "/bin/true");
  EXPECT_EQ(started[0].arguments, (std::vector<std::string>{"65552", "\xE6\xA0\x87\xE9\xA2\x98", "\xE6\xAD\xA3\xE6\x96\x87"}));
  unsetenv("QUILLON_MSGBOX");
#endif
}

}  // namespace
}  // namespace quillon::launcher
