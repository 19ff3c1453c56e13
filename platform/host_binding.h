// Binds a host function library by name on first use.
//
// The library is loaded on the first call of any of its functions, and each function is looked
// up on its own first call; the addresses are kept for the process's life. Both steps are
// thread-safe (the launcher plugin's monitor thread calls host functions too). A library or a
// function that cannot be bound yields nullptr, and callers treat the call as a no-op.
#pragma once

#include <atomic>
#include <cstddef>
#include <mutex>
#include <vector>

namespace quillon::platform {

class HostBinding {
 public:
  // names: the functions' export names; Function(i) binds names[i].
  HostBinding(const char* library_name, std::vector<const char*> names);
  HostBinding(const HostBinding&) = delete;
  HostBinding& operator=(const HostBinding&) = delete;

  // The address of function index, or nullptr when it cannot be bound.
  void* Function(size_t index);

 private:
  struct Slot {
    std::once_flag once;
    std::atomic<void*> address{nullptr};
  };
  void* Library();

  const char* library_name_;
  std::vector<const char*> names_;
  std::once_flag library_once_;
  void* library_ = nullptr;
  std::vector<Slot> slots_;
};

}  // namespace quillon::platform
