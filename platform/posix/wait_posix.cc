#include "platform/wait.h"

#include <time.h>

#include <algorithm>
#include <cerrno>

namespace quillon::platform {
namespace {

int64_t MonotonicMs() {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

}  // namespace

void PumpPendingEvents() {}

int32_t WaitPumping(int64_t amount, int32_t unit) {
  int64_t total_ms = WaitMilliseconds(amount, unit);
  int64_t deadline = MonotonicMs() + total_ms;
  while (true) {
    int64_t left = deadline - MonotonicMs();
    if (left <= 0) return 1;
    // Short slices, so pending events run about every 20 ms.
    int64_t slice = std::min<int64_t>(left, 20);
    struct timespec ts = {static_cast<time_t>(slice / 1000), static_cast<long>(slice % 1000) * 1000000};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
    PumpPendingEvents();
  }
}

}  // namespace quillon::platform
