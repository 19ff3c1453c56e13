// The launcher host's function library LIB-hostcli, bound by name on first use.
//
// Each wrapper calls the host function of the same name with the plugin's name where the host
// expects it. When the library or the function cannot be bound the call does nothing: integer
// results read as 0 and text results as empty. Texts the host returns are copied at once (the
// plugin never frees them). Safe to call from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillon::launcher {

using HostRoutine = void (*)(void);

// One entry in the host's run log.
void HostWhiteRunLog(std::string_view title, std::string_view message);
// Asks the host to run routine on its main thread (the thread of its windows).
void HostMThreadExecution(HostRoutine routine);
// The host's zone list JSON (array, element i-1 for zone i); empty when the host gives none.
std::string HostGetGameZones();
// Runs a script function of the launcher's web page with a comma-separated argument list.
void HostWebRunScript(std::string_view function, std::string_view arguments);
// Hands a block to the host for the server plugin. The bytes must stay valid until the next
// block of the same kind is sent.
void HostSendSocketData(const void* data, size_t length);
// The host's game status JSON; empty when the host gives none.
std::string HostGetMineStatus();
// The host's time stamp (the plugin does not use its value); 0 when it cannot be bound.
int64_t HostTimestamp();

}  // namespace quillon::launcher
