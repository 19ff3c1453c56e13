#include "platform/millisecond_time_text.h"

#include <cstdint>

namespace quillon::platform {
namespace {

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar.
int64_t DaysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t year_of_era = year - era * 400;
  const int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

}  // namespace

std::string MillisecondTimeText(const DateTime& local) {
  const int64_t seconds = DaysFromCivil(local.year, local.month, local.day) * 86400 + int64_t{local.hour} * 3600 +
                          int64_t{local.minute} * 60 + local.second - 8 * 3600;
  int millisecond = local.millisecond < 0 ? 0 : local.millisecond > 999 ? 999 : local.millisecond;
  std::string text = std::to_string(seconds);
  text += static_cast<char>('0' + millisecond / 100);
  text += static_cast<char>('0' + millisecond / 10 % 10);
  text += static_cast<char>('0' + millisecond % 10);
  if (text.size() < 13) text.append(13 - text.size(), '0');
  return text;
}

std::string MillisecondTimeText() { return MillisecondTimeText(LocalNow()); }

}  // namespace quillon::platform
