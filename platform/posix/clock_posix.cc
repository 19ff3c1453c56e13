#include "platform/clock.h"

#include <time.h>

namespace quillon::platform {
namespace {

DateTime FromTm(const struct tm& t, long nanoseconds) {
  DateTime d;
  d.year = t.tm_year + 1900;
  d.month = t.tm_mon + 1;
  d.day = t.tm_mday;
  d.hour = t.tm_hour;
  d.minute = t.tm_min;
  d.second = t.tm_sec > 59 ? 59 : t.tm_sec;
  d.millisecond = static_cast<int>(nanoseconds / 1000000);
  return d;
}

struct timespec Now() {
  struct timespec ts;
  clock_gettime(CLOCK_REALTIME, &ts);
  return ts;
}

}  // namespace

DateTime LocalNow() {
  struct timespec ts = Now();
  struct tm t;
  tzset();
  localtime_r(&ts.tv_sec, &t);
  return FromTm(t, ts.tv_nsec);
}

DateTime UtcNow() {
  struct timespec ts = Now();
  struct tm t;
  gmtime_r(&ts.tv_sec, &t);
  return FromTm(t, ts.tv_nsec);
}

DateTime LocalFromUnixMillis(int64_t unix_millis) {
  int64_t seconds = unix_millis >= 0 ? unix_millis / 1000 : -((-unix_millis + 999) / 1000);
  time_t t = static_cast<time_t>(seconds);
  struct tm local;
  tzset();
  localtime_r(&t, &local);
  return FromTm(local, static_cast<long>(unix_millis - seconds * 1000) * 1000000);
}

int64_t UnixMillisNow() {
  struct timespec ts = Now();
  return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

}  // namespace quillon::platform
