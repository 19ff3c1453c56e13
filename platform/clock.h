// Clocks: local time and UTC with milliseconds, and Unix time.
//
// Local time follows the process's time zone (TZ on POSIX, the system setting on Windows).
#pragma once

#include <cstdint>

namespace quillon::platform {

struct DateTime {
  int year = 0;
  int month = 0;        // 1..12
  int day = 0;          // 1..31
  int hour = 0;         // 0..23
  int minute = 0;       // 0..59
  int second = 0;       // 0..59
  int millisecond = 0;  // 0..999
};

// The current local date and time.
DateTime LocalNow();

// The current UTC date and time.
DateTime UtcNow();

// Milliseconds since 1970-01-01 00:00:00 UTC.
int64_t UnixMillisNow();

// The local wall-clock date and time of an instant given in milliseconds since the epoch.
DateTime LocalFromUnixMillis(int64_t unix_millis);

// A wall-clock date and time counted as seconds from 1970-01-01 00:00:00 of the same clock
// (plain calendar arithmetic, no time zone): differences of two such values are the seconds
// between the two wall-clock times.
int64_t WallClockSeconds(const DateTime& d);

}  // namespace quillon::platform
