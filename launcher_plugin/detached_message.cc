#include "launcher_plugin/detached_message.h"

#include <cstdio>

#include "common/dbcs_text.h"
#include "common/gbk_text.h"
#include "platform/process.h"

namespace quillon::launcher {
namespace {

// text as the inside of a VBScript string literal written in a URL.
std::string VbsLiteralBody(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    size_t len = GbkCharLength(text, i);
    char c = text[i];
    if (len == 1 && (c == '"' || c == '%' || c == '\r' || c == '\n')) {
      out += "\" & chr(";
      out += std::to_string(static_cast<int>(static_cast<unsigned char>(c)));
      out += ") & \"";
    } else {
      out.append(text.substr(i, len));
    }
    i += len;
  }
  return out;
}

}  // namespace

std::string MshtaCommandLine(MessageKind kind, std::string_view title, std::string_view text) {
  std::string line = "C:\\Windows\\System32\\mshta.exe vbscript:msgbox(\"";
  line += VbsLiteralBody(text);
  line += "\",";
  line += std::to_string(static_cast<int32_t>(kind));
  line += ",\"";
  line += VbsLiteralBody(title);
  line += "\")(window.close)";
  return line;
}

DetachedLaunch MessageBoxLaunch(MessageKind kind, std::string_view title, std::string_view text) {
  DetachedLaunch launch;
#if defined(_WIN32)
  launch.command_line = MshtaCommandLine(kind, title, text);
#else
  std::string flags = std::to_string(static_cast<int32_t>(kind));
  std::string program = platform::GetEnvironment("QUILLON_MSGBOX");
  if (!program.empty()) {
    launch.program = program;
    launch.arguments = {flags, GbkToUtf8(title), GbkToUtf8(text)};
  } else if (platform::ProgramOnPath("zenity")) {
    launch.program = "zenity";
    launch.arguments = {kind == MessageKind::kError ? "--error" : "--info", "--no-markup",
                        "--title=" + GbkToUtf8(title), "--text=" + GbkToUtf8(text)};
  }
#endif
  return launch;
}

void ShowDetachedMessage(const LauncherServices& services, MessageKind kind, std::string_view title,
                         std::string_view text) {
  DetachedLaunch launch = MessageBoxLaunch(kind, title, text);
  if (launch.program.empty() && launch.command_line.empty()) {
    std::fprintf(stderr, "[%s] %s\n", GbkToUtf8(title).c_str(), GbkToUtf8(text).c_str());
    return;
  }
  if (services.start_detached) services.start_detached(launch);
}

}  // namespace quillon::launcher
