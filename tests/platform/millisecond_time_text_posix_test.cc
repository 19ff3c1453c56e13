// The time text follows the process's time zone (TZ).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/clock.h"
#include "platform/millisecond_time_text.h"

namespace quillon::platform {
namespace {

class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) saved_ = old, had_ = true;
    setenv("TZ", zone, 1);
  }
  ~ScopedTimeZone() {
    if (had_) {
      setenv("TZ", saved_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
  }

 private:
  std::string saved_;
  bool had_ = false;
};

TEST(MillisecondTimeTextPosix, FollowsTheTimeZone) {
  struct Case {
    const char* zone;
    long long offset_ms;  // text minus Unix milliseconds
  } cases[] = {{"Asia/Shanghai", 0}, {"UTC", -8 * 3600 * 1000LL}, {"America/Sao_Paulo", -11 * 3600 * 1000LL}};
  for (const auto& c : cases) {
    ScopedTimeZone zone(c.zone);
    const long long before = UnixMillisNow();
    const long long text = std::stoll(MillisecondTimeText());
    const long long after = UnixMillisNow();
    EXPECT_GE(text - c.offset_ms, before) << c.zone;
    EXPECT_LE(text - c.offset_ms, after) << c.zone;
  }
}

}  // namespace
}  // namespace quillon::platform
