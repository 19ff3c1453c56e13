#include "launcher_plugin/launcher_services.h"

#include "platform/clock.h"
#include "platform/process.h"
#include "platform/wait.h"

namespace quillon::launcher {

LauncherServices RealLauncherServices() {
  LauncherServices s;
  s.wait_seconds = [](int64_t seconds) { platform::WaitPumping(seconds, 1); };
  s.pump_events = [] { platform::PumpPendingEvents(); };
  s.local_now = [] { return platform::WallClockSeconds(platform::LocalNow()); };
  s.unix_seconds = [] { return platform::UnixMillisNow() / 1000; };
  s.local_from_unix_millis = [](int64_t ms) { return platform::WallClockSeconds(platform::LocalFromUnixMillis(ms)); };
  s.start_detached = [](const DetachedLaunch& launch) {
    if (!launch.command_line.empty()) return platform::StartDetachedCommandLine(launch.command_line);
    return platform::StartDetachedProgram(launch.program, launch.arguments);
  };
  s.terminate = [](int32_t process_id) { return platform::TerminateByProcessId(process_id); };
  return s;
}

}  // namespace quillon::launcher
