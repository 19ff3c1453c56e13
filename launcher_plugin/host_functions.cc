#include "launcher_plugin/host_functions.h"

#include "launcher_plugin/launcher_state.h"
#include "platform/abi.h"
#include "platform/host_binding.h"

namespace quillon::launcher {
namespace {

#if defined(_WIN32)
constexpr const char* kHostLibrary = "LIB-hostcli.dll";
#else
constexpr const char* kHostLibrary = "LIB-hostcli.so";
#endif

enum HostFunction : size_t {
  kWhiteRunLog,
  kMThreadExecution,
  kGetGameZones,
  kWebRunScript,
  kSendSocketData,
  kGetMineStatus,
  kTimestamp,
};

using WhiteRunLogFn = int32_t(QUILLON_STDCALL*)(const char*, const char*, const char*);
using MThreadExecutionFn = int32_t(QUILLON_STDCALL*)(HostRoutine, int32_t, int32_t, int32_t, int32_t, int32_t,
                                                     int32_t);
using GetTextFn = const char*(QUILLON_STDCALL*)(void);
using WebRunScriptFn = int32_t(QUILLON_STDCALL*)(const char*, const char*, int32_t);
using SendSocketDataFn = int32_t(QUILLON_STDCALL*)(const char*, const void*, int32_t);
using TimestampFn = int64_t(QUILLON_STDCALL*)(void);

template <typename Fn>
Fn Bind(HostFunction which) {
  static platform::HostBinding binding(kHostLibrary, {
                                                         "launcher_function_whiterunlog",
                                                         "launcher_function_mthreadexecution",
                                                         "launcher_function_getgamezones",
                                                         "launcher_function_webrunscript",
                                                         "launcher_function_sendsocketdata",
                                                         "launcher_function_getminesataus",
                                                         "launcher_function_timestamp",
                                                     });
  return reinterpret_cast<Fn>(binding.Function(which));
}

std::string CopyHostText(const char* text) { return text == nullptr ? std::string() : std::string(text); }

}  // namespace

void HostWhiteRunLog(std::string_view title, std::string_view message) {
  if (auto fn = Bind<WhiteRunLogFn>(kWhiteRunLog)) {
    std::string t(title), m(message);
    fn(kPluginName, t.c_str(), m.c_str());
  }
}

void HostMThreadExecution(HostRoutine routine) {
  if (auto fn = Bind<MThreadExecutionFn>(kMThreadExecution)) fn(routine, 0, 0, 0, 0, 0, 0);
}

std::string HostGetGameZones() {
  auto fn = Bind<GetTextFn>(kGetGameZones);
  return fn ? CopyHostText(fn()) : std::string();
}

void HostWebRunScript(std::string_view function, std::string_view arguments) {
  if (auto fn = Bind<WebRunScriptFn>(kWebRunScript)) {
    std::string f(function), a(arguments);
    fn(f.c_str(), a.c_str(), 1);
  }
}

void HostSendSocketData(const void* data, size_t length) {
  if (auto fn = Bind<SendSocketDataFn>(kSendSocketData)) fn(kPluginName, data, static_cast<int32_t>(length));
}

std::string HostGetMineStatus() {
  auto fn = Bind<GetTextFn>(kGetMineStatus);
  return fn ? CopyHostText(fn()) : std::string();
}

int64_t HostTimestamp() {
  auto fn = Bind<TimestampFn>(kTimestamp);
  return fn ? fn() : 0;
}

}  // namespace quillon::launcher
