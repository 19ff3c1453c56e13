#include "platform/clock.h"

namespace quillon::platform {

int64_t WallClockSeconds(const DateTime& d) {
  // Days from 1970-01-01 in the proleptic Gregorian calendar.
  int64_t y = d.year - (d.month <= 2 ? 1 : 0);
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  int64_t yoe = y - era * 400;
  int64_t mp = (d.month + 9) % 12;
  int64_t doy = (153 * mp + 2) / 5 + d.day - 1;
  int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  int64_t days = era * 146097 + doe - 719468;
  return days * 86400 + d.hour * 3600 + d.minute * 60 + d.second;
}

}  // namespace quillon::platform
