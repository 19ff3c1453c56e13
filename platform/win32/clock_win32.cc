#include "platform/clock.h"

#include <windows.h>

namespace quillon::platform {
namespace {

DateTime FromSystemTime(const SYSTEMTIME& t) {
  DateTime d;
  d.year = t.wYear;
  d.month = t.wMonth;
  d.day = t.wDay;
  d.hour = t.wHour;
  d.minute = t.wMinute;
  d.second = t.wSecond;
  d.millisecond = t.wMilliseconds;
  return d;
}

}  // namespace

DateTime LocalNow() {
  SYSTEMTIME t;
  ::GetLocalTime(&t);
  return FromSystemTime(t);
}

DateTime UtcNow() {
  SYSTEMTIME t;
  ::GetSystemTime(&t);
  return FromSystemTime(t);
}

int64_t UnixMillisNow() {
  FILETIME ft;
  ::GetSystemTimeAsFileTime(&ft);
  int64_t ticks = (static_cast<int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  // FILETIME counts 100 ns since 1601-01-01.
  return ticks / 10000 - 11644473600000LL;
}

}  // namespace quillon::platform
