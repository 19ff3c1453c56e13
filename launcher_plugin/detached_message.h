// Message boxes shown by a separate process that the plugin does not wait for, so the box
// stays on screen when the plugin then ends its own process or the game's.
//
// Windows: the system's script host shows the box:
//   C:\Windows\System32\mshta.exe vbscript:msgbox("<text>",<flags>,"<title>")(window.close)
// Text and title go into VBScript string literals; every double quote, percent sign, CR and LF
// in them is written as a `" & chr(N) & "` concatenation, so nothing in a file name can end the
// literal or be decoded by the URL handler, and the box shows the text exactly.
// Elsewhere: the program named by QUILLON_MSGBOX gets three arguments (the flag number, the
// title and the text, in UTF-8); without it, zenity when on the path, else one line on
// standard error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "launcher_plugin/launcher_services.h"

namespace quillon::launcher {

enum class MessageKind : int32_t {
  kError = 65552,        // critical icon (16) + set foreground (65536)
  kInformation = 65600,  // information icon (64) + set foreground (65536)
};

// The mshta command line for the box (GBK).
std::string MshtaCommandLine(MessageKind kind, std::string_view title, std::string_view text);

// What to start for the box on this platform; an empty program and command line when nothing
// can show it (the text then goes to standard error).
DetachedLaunch MessageBoxLaunch(MessageKind kind, std::string_view title, std::string_view text);

// Shows the box through the services' detached starter; does not wait.
void ShowDetachedMessage(const LauncherServices& services, MessageKind kind, std::string_view title,
                         std::string_view text);

}  // namespace quillon::launcher
