// The millisecond time text: a decimal text of at least 13 digits counting milliseconds from the
// local date-time 1970-01-01 08:00:00 (Unix milliseconds on a computer whose clock is set to
// UTC+8). It marks an unreadable file's fingerprint and dates violation reports and whitelist
// rows; both plugins produce it the same way.
//
// The seconds are counted by calendar arithmetic on the local date-time fields, so the text
// follows the local clock (TZ on POSIX) and not the UTC instant.
#pragma once

#include <string>

#include "platform/clock.h"

namespace quillon::platform {

// The text for the local date-time now.
std::string MillisecondTimeText();

// The text for a given local date-time: the whole seconds from 1970-01-01 08:00:00 in decimal,
// then the milliseconds as three digits, then "0" appended while shorter than 13 characters.
std::string MillisecondTimeText(const DateTime& local);

}  // namespace quillon::platform
