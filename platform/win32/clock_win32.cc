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

DateTime LocalFromUnixMillis(int64_t unix_millis) {
  int64_t ticks = (unix_millis + 11644473600000LL) * 10000;
  if (ticks < 0) ticks = 0;
  FILETIME utc;
  utc.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFF);
  utc.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  SYSTEMTIME utc_time, local_time;
  if (!::FileTimeToSystemTime(&utc, &utc_time) ||
      !::SystemTimeToTzSpecificLocalTime(nullptr, &utc_time, &local_time)) {
    return DateTime{1970, 1, 1, 0, 0, 0, 0};
  }
  return FromSystemTime(local_time);
}

int64_t UnixMillisNow() {
  FILETIME ft;
  ::GetSystemTimeAsFileTime(&ft);
  int64_t ticks = (static_cast<int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  // FILETIME counts 100 ns since 1601-01-01.
  return ticks / 10000 - 11644473600000LL;
}

}  // namespace quillon::platform
