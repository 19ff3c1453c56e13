// Test-side access to the stand-in launcher host library: loads LIB-hostcli by the same name
// the plugin binds (so both share one instance) and wraps its control interface.
#pragma once

#include <cstdint>
#include <string>

namespace quillon::testing {

class HostcliClient {
 public:
  // Loads the library; ok() tells whether every control function was found.
  HostcliClient();
  bool ok() const { return ok_; }

  void Reset() const;
  int CallCount() const;
  std::string CallName(int index) const;
  std::string CallArg(int index, int arg) const;
  std::string CallBlock(int index) const;
  // Index of the first call of function at or after from, or -1.
  int FindCall(const std::string& function, int from = 0) const;
  void SetGameZones(const char* json) const;
  void SetMineStatus(const char* json) const;
  void SetTimestamp(int64_t value) const;
  void SetRunRoutinesAtOnce(bool at_once) const;
  int RunQueuedRoutines() const;

 private:
  bool ok_ = false;
  void* functions_[10] = {};
};

// File name of a project library as built for this platform ("LIB-hostcli" -> "LIB-hostcli.so").
std::string SharedLibraryName(const std::string& base);

}  // namespace quillon::testing
