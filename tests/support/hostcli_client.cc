#include "tests/support/hostcli_client.h"

#include "platform/abi.h"
#include "platform/dynamic_library.h"

namespace quillon::testing {
namespace {

const char* const kNames[] = {
    "hostcli_control_reset",         "hostcli_control_call_count",      "hostcli_control_call_name",
    "hostcli_control_call_arg",      "hostcli_control_call_block",      "hostcli_control_set_gamezones",
    "hostcli_control_set_minestatus", "hostcli_control_set_timestamp",  "hostcli_control_set_run_routines_at_once",
    "hostcli_control_run_queued_routines",
};
enum { kReset, kCount, kName, kArg, kBlock, kGameZones, kMineStatus, kTimestamp, kAtOnce, kRunQueued };

template <typename Fn>
Fn As(void* p) {
  return reinterpret_cast<Fn>(p);
}

}  // namespace

std::string SharedLibraryName(const std::string& base) {
#if defined(_WIN32)
  return base + ".dll";
#else
  return base + ".so";
#endif
}

HostcliClient::HostcliClient() {
  void* library = platform::LoadSharedLibrary(SharedLibraryName("LIB-hostcli").c_str());
  ok_ = library != nullptr;
  for (size_t i = 0; i < sizeof kNames / sizeof kNames[0]; ++i) {
    functions_[i] = platform::FindLibrarySymbol(library, kNames[i]);
    ok_ = ok_ && functions_[i] != nullptr;
  }
}

void HostcliClient::Reset() const { As<void(QUILLON_STDCALL*)()>(functions_[kReset])(); }

int HostcliClient::CallCount() const { return As<int32_t(QUILLON_STDCALL*)()>(functions_[kCount])(); }

std::string HostcliClient::CallName(int index) const {
  return As<const char*(QUILLON_STDCALL*)(int32_t)>(functions_[kName])(index);
}

std::string HostcliClient::CallArg(int index, int arg) const {
  return As<const char*(QUILLON_STDCALL*)(int32_t, int32_t)>(functions_[kArg])(index, arg);
}

std::string HostcliClient::CallBlock(int index) const {
  int32_t length = 0;
  const uint8_t* data = As<const uint8_t*(QUILLON_STDCALL*)(int32_t, int32_t*)>(functions_[kBlock])(index, &length);
  return data == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(data), static_cast<size_t>(length));
}

int HostcliClient::FindCall(const std::string& function, int from) const {
  for (int i = from; i < CallCount(); ++i) {
    if (CallName(i) == function) return i;
  }
  return -1;
}

void HostcliClient::SetGameZones(const char* json) const {
  As<void(QUILLON_STDCALL*)(const char*)>(functions_[kGameZones])(json);
}

void HostcliClient::SetMineStatus(const char* json) const {
  As<void(QUILLON_STDCALL*)(const char*)>(functions_[kMineStatus])(json);
}

void HostcliClient::SetTimestamp(int64_t value) const {
  As<void(QUILLON_STDCALL*)(int64_t)>(functions_[kTimestamp])(value);
}

void HostcliClient::SetRunRoutinesAtOnce(bool at_once) const {
  As<void(QUILLON_STDCALL*)(int32_t)>(functions_[kAtOnce])(at_once ? 1 : 0);
}

int HostcliClient::RunQueuedRoutines() const { return As<int32_t(QUILLON_STDCALL*)()>(functions_[kRunQueued])(); }

}  // namespace quillon::testing
