// The in-game monitor and the end check.
//
// The monitor runs on a thread of its own from the game's start: after 3 seconds, then every
// 6 seconds, it asks the host whether the game still runs in the same zone and verifies the
// client again; on a mismatch it reports, tells the player and ends the game client. When it
// stops it records its end time. The end check, at the game's end, reports a monitor that
// stopped more than 24 seconds after its last passing verification.
#pragma once

#include <cstdint>
#include <string>

namespace quillon::launcher {

// The monitor's loop, run on the calling thread (StartGameMonitor runs it on a new one).
void RunGameMonitor();

// Starts the monitor on a new thread, which keeps the plugin's state alive and the library
// loaded while it runs. False when the thread cannot be started.
bool StartGameMonitor();

// The end check.
void RunEndCheck();

// The local wall-clock seconds that the end check reads from a monitor end time text: a text of
// exactly 10 characters is Unix seconds shown at UTC+8; any other text is milliseconds since
// the epoch, shown in the local time zone.
int64_t EndCheckWallClock(const std::string& end_time_text);

}  // namespace quillon::launcher
