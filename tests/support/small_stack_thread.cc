#include "tests/support/small_stack_thread.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <pthread.h>
#endif

namespace quillon::testing {
namespace {

#ifdef _WIN32
DWORD WINAPI ThreadMain(void* argument) {
  (*static_cast<const std::function<void()>*>(argument))();
  return 0;
}
#else
void* ThreadMain(void* argument) {
  (*static_cast<const std::function<void()>*>(argument))();
  return nullptr;
}
#endif

}  // namespace

bool RunOnStackOf(size_t stack_bytes, const std::function<void()>& body) {
  void* argument = const_cast<std::function<void()>*>(&body);
#ifdef _WIN32
  HANDLE thread = CreateThread(nullptr, stack_bytes, ThreadMain, argument,
                               STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (thread == nullptr) return false;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return true;
#else
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) return false;
  bool started = pthread_attr_setstacksize(&attributes, stack_bytes) == 0;
  pthread_t thread;
  started = started && pthread_create(&thread, &attributes, ThreadMain, argument) == 0;
  pthread_attr_destroy(&attributes);
  if (!started) return false;
  pthread_join(thread, nullptr);
  return true;
#endif
}

}  // namespace quillon::testing
