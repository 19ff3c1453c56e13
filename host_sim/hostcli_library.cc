// Stand-in for the launcher host's function library: records every call and answers from
// data a test gives it (see hostcli_control.h).
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "host_sim/hostcli_control.h"

namespace {

struct Call {
  std::string name;
  std::vector<std::string> args;
  std::string block;
};

struct HostState {
  std::mutex mutex;
  std::deque<Call> calls;
  std::string gamezones;
  bool gamezones_null = true;
  std::string minestatus;
  bool minestatus_null = true;
  int64_t timestamp = 0;
  bool run_at_once = true;
  std::vector<HostcliRoutine> queued;
};

HostState& State() {
  static HostState state;
  return state;
}

std::string Text(const char* s) { return s == nullptr ? std::string() : std::string(s); }

void Log(std::string name, std::vector<std::string> args, std::string block = {}) {
  HostState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.calls.push_back(Call{std::move(name), std::move(args), std::move(block)});
}

}  // namespace

extern "C" {

QUILLON_EXPORT int32_t QUILLON_STDCALL launcher_function_whiterunlog(const char* plugin, const char* title,
                                                                     const char* message) {
  Log("launcher_function_whiterunlog", {Text(plugin), Text(title), Text(message)});
  return 1;
}

QUILLON_EXPORT int32_t QUILLON_STDCALL launcher_function_mthreadexecution(HostcliRoutine routine, int32_t a,
                                                                          int32_t b, int32_t c, int32_t d,
                                                                          int32_t e, int32_t f) {
  Log("launcher_function_mthreadexecution",
      {routine ? "routine" : "null", std::to_string(a), std::to_string(b), std::to_string(c), std::to_string(d),
       std::to_string(e), std::to_string(f)});
  if (routine == nullptr) return 0;
  bool at_once;
  {
    HostState& s = State();
    std::lock_guard<std::mutex> lock(s.mutex);
    at_once = s.run_at_once;
    if (!at_once) s.queued.push_back(routine);
  }
  if (at_once) routine();
  return 1;
}

QUILLON_EXPORT const char* QUILLON_STDCALL launcher_function_getgamezones(void) {
  Log("launcher_function_getgamezones", {});
  HostState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.gamezones_null ? nullptr : s.gamezones.c_str();
}

QUILLON_EXPORT int32_t QUILLON_STDCALL launcher_function_webrunscript(const char* function, const char* arguments,
                                                                      int32_t one) {
  Log("launcher_function_webrunscript", {Text(function), Text(arguments), std::to_string(one)});
  return 1;
}

QUILLON_EXPORT int32_t QUILLON_STDCALL launcher_function_sendsocketdata(const char* plugin, const void* data,
                                                                        int32_t length) {
  std::string block;
  if (data != nullptr && length > 0) block.assign(static_cast<const char*>(data), static_cast<size_t>(length));
  Log("launcher_function_sendsocketdata", {Text(plugin), std::to_string(length)}, std::move(block));
  return 1;
}

QUILLON_EXPORT const char* QUILLON_STDCALL launcher_function_getminesataus(void) {
  Log("launcher_function_getminesataus", {});
  HostState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.minestatus_null ? nullptr : s.minestatus.c_str();
}

QUILLON_EXPORT int64_t QUILLON_STDCALL launcher_function_timestamp(void) {
  Log("launcher_function_timestamp", {});
  HostState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.timestamp;
}

// Control interface.

QUILLON_EXPORT void QUILLON_STDCALL hostcli_control_reset(void) {
  HostState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.calls.clear();
  s.gamezones.clear();
  s.gamezones_null = true;
  s.minestatus.clear();
  s.minestatus_null = true;
  s.timestamp = 0;
  s.run_at_once = true;
  s.queued.clear();
}

QUILLON_EXPORT int32_t QUILLON_STDCALL hostcli_control_call_count(void) {
  HostState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return static_cast<int32_t>(s.calls.size());
}

QUILLON_EXPORT const char* QUILLON_STDCALL hostcli_control_call_name(int32_t index) {
  HostState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  if (index < 0 || static_cast<size_t>(index) >= s.calls.size()) return "";
  return s.calls[static_cast<size_t>(index)].name.c_str();
}

QUILLON_EXPORT const char* QUILLON_STDCALL hostcli_control_call_arg(int32_t index, int32_t arg) {
  HostState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  if (index < 0 || static_cast<size_t>(index) >= s.calls.size()) return "";
  const Call& call = s.calls[static_cast<size_t>(index)];
  if (arg < 0 || static_cast<size_t>(arg) >= call.args.size()) return "";
  return call.args[static_cast<size_t>(arg)].c_str();
}

QUILLON_EXPORT const uint8_t* QUILLON_STDCALL hostcli_control_call_block(int32_t index, int32_t* length) {
  HostState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  if (length != nullptr) *length = 0;
  if (index < 0 || static_cast<size_t>(index) >= s.calls.size()) return nullptr;
  const Call& call = s.calls[static_cast<size_t>(index)];
  if (length != nullptr) *length = static_cast<int32_t>(call.block.size());
  return reinterpret_cast<const uint8_t*>(call.block.data());
}

QUILLON_EXPORT void QUILLON_STDCALL hostcli_control_set_gamezones(const char* json) {
  HostState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.gamezones_null = json == nullptr;
  s.gamezones = Text(json);
}

QUILLON_EXPORT void QUILLON_STDCALL hostcli_control_set_minestatus(const char* json) {
  HostState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.minestatus_null = json == nullptr;
  s.minestatus = Text(json);
}

QUILLON_EXPORT void QUILLON_STDCALL hostcli_control_set_timestamp(int64_t value) {
  HostState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.timestamp = value;
}

QUILLON_EXPORT void QUILLON_STDCALL hostcli_control_set_run_routines_at_once(int32_t at_once) {
  HostState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.run_at_once = at_once != 0;
}

QUILLON_EXPORT int32_t QUILLON_STDCALL hostcli_control_run_queued_routines(void) {
  std::vector<HostcliRoutine> routines;
  {
    HostState& s = State();
    std::lock_guard<std::mutex> lock(s.mutex);
    routines.swap(s.queued);
  }
  for (HostcliRoutine r : routines) r();
  return static_cast<int32_t>(routines.size());
}

}  // extern "C"
