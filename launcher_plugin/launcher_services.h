// The operating-system services the launcher plugin's logic calls, gathered so that tests can
// replace them: the clock, the pumping waits and the detached processes. The plugin uses the
// real ones; a unit test swaps in fakes before it drives the plugin, so it does not sleep
// through the real 1, 2, 3, 5 and 6 second waits or start real programs.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quillon::launcher {

// A program to start detached: on Windows a command line (GBK), elsewhere a program with its
// arguments (UTF-8).
struct DetachedLaunch {
  std::string command_line;
  std::string program;
  std::vector<std::string> arguments;
};

struct LauncherServices {
  // Waits the given seconds while the thread's window events keep flowing.
  std::function<void(int64_t seconds)> wait_seconds;
  // Lets the thread's pending window events run.
  std::function<void()> pump_events;
  // The local wall-clock time in whole seconds (platform::WallClockSeconds of local time).
  std::function<int64_t()> local_now;
  // Whole seconds since 1970-01-01 00:00:00 UTC.
  std::function<int64_t()> unix_seconds;
  // Local wall-clock seconds of an instant given in milliseconds since the epoch.
  std::function<int64_t(int64_t unix_millis)> local_from_unix_millis;
  // Starts a program detached; false when it cannot be started.
  std::function<bool(const DetachedLaunch&)> start_detached;
  // Ends a process (0: the calling process); false when it cannot be ended.
  std::function<bool(int32_t process_id)> terminate;
};

// The real services.
LauncherServices RealLauncherServices();

}  // namespace quillon::launcher
