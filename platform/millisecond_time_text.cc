#include "platform/millisecond_time_text.h"

#include <cstdint>

namespace quillon::platform {

std::string MillisecondTimeText(const DateTime& local) {
  // WallClockSeconds counts from 1970-01-01 00:00:00 of the same clock.
  const int64_t seconds = WallClockSeconds(local) - 8 * 3600;
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
