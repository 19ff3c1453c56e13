// A launcher plugin driven through its static library with fake services (no real waits, no
// programs started, no process ended) and the stand-in host library, for flow tests.
#pragma once

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "launcher_plugin/launcher_state.h"
#include "tests/support/hostcli_client.h"
#include "tests/support/temp_tree.h"

namespace quillon::testing {

class LauncherFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Delivers a block to the plugin as the host does.
  void Deliver(const std::string& block);
  int32_t Event(const std::string& name, const std::string& json);
  // launcher_mineclient_ready for character in zone.
  int32_t Ready(const std::string& character, const std::string& zone);

  // What the fakes saw.
  std::vector<int64_t> Waits() const;
  std::vector<launcher::DetachedLaunch> Launches() const;
  std::vector<int32_t> Terminated() const;
  // The script calls to the web page, as "function|arguments".
  std::vector<std::string> ScriptCalls() const;
  // The blocks sent to the server, unpacked.
  std::vector<std::string> SentTexts() const;

  TempTree client;
  HostcliClient host;
  int64_t local_now = 1'700'000'000 + 8 * 3600;  // the local clock runs at UTC+8
  int64_t unix_now = 1'700'000'000;

 private:
  mutable std::mutex mutex_;
  std::vector<int64_t> waits_;
  std::vector<launcher::DetachedLaunch> launches_;
  std::vector<int32_t> terminated_;
};

}  // namespace quillon::testing
