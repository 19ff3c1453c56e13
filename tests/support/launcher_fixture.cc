#include "tests/support/launcher_fixture.h"

#include <cstdlib>

#include "common/envelope_codec.h"
#include "launcher_plugin/event_dispatch.h"
#include "launcher_plugin/reception.h"

namespace quillon::testing {

void LauncherFixture::SetUp() {
  ASSERT_TRUE(host.ok());
  host.Reset();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    waits_.clear();
    launches_.clear();
    terminated_.clear();
  }
  launcher::LauncherState& state = launcher::State();
  launcher::LauncherServices s;
  s.wait_seconds = [this](int64_t seconds) {
    std::lock_guard<std::mutex> lock(mutex_);
    waits_.push_back(seconds);
  };
  s.pump_events = [] {};
  s.local_now = [this] { return local_now; };
  s.unix_seconds = [this] { return unix_now; };
  s.local_from_unix_millis = [](int64_t ms) { return ms / 1000 + 8 * 3600; };
  s.start_detached = [this](const launcher::DetachedLaunch& launch) {
    std::lock_guard<std::mutex> lock(mutex_);
    launches_.push_back(launch);
    return true;
  };
  s.terminate = [this](int32_t pid) {
    std::lock_guard<std::mutex> lock(mutex_);
    terminated_.push_back(pid);
    return true;
  };
  state.services = s;
#if !defined(_WIN32)
  // Message boxes go to the (faked) detached starter rather than to standard error.
  setenv("QUILLON_MSGBOX", "quillon-test-msgbox", 1);
#endif
  state.client_root = client.Root();
  {
    std::lock_guard<std::mutex> lock(state.mutex);
    state.zone_data = std::make_shared<const launcher::ZoneData>();
    state.current_game = {};
    state.last_good_check.reset();
  }
}

void LauncherFixture::TearDown() {
  launcher::State().services = launcher::RealLauncherServices();
#if !defined(_WIN32)
  unsetenv("QUILLON_MSGBOX");
#endif
}

void LauncherFixture::Deliver(const std::string& block) {
  launcher::ReceiveServerBlock(reinterpret_cast<const uint8_t*>(block.data()), block.size());
}

int32_t LauncherFixture::Event(const std::string& name, const std::string& json) {
  return launcher::DispatchEvent(name, json);
}

int32_t LauncherFixture::Ready(const std::string& character, const std::string& zone) {
  return Event("launcher_mineclient_ready", "{\"数据_角色名字\":\"" + character + "\",\"数据_区服序号\":\"" + zone + "\"}");
}

std::vector<int64_t> LauncherFixture::Waits() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return waits_;
}

std::vector<launcher::DetachedLaunch> LauncherFixture::Launches() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return launches_;
}

std::vector<int32_t> LauncherFixture::Terminated() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return terminated_;
}

std::vector<std::string> LauncherFixture::ScriptCalls() const {
  std::vector<std::string> calls;
  for (int i = 0; i < host.CallCount(); ++i) {
    if (host.CallName(i) == "launcher_function_webrunscript") {
      calls.push_back(host.CallArg(i, 0) + "|" + host.CallArg(i, 1));
    }
  }
  return calls;
}

std::vector<std::string> LauncherFixture::SentTexts() const {
  std::vector<std::string> texts;
  for (int i = 0; i < host.CallCount(); ++i) {
    if (host.CallName(i) == "launcher_function_sendsocketdata") texts.push_back(EnvelopeCodec().Unpack(host.CallBlock(i)));
  }
  return texts;
}

}  // namespace quillon::testing
