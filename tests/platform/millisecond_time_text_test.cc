#include "platform/millisecond_time_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon::platform {
namespace {

TEST(MillisecondTimeText, CountsFromEightOClockOnNewYearsDay1970) {
  struct Case {
    DateTime local;
    std::string text;
  } cases[] = {
      {{2024, 1, 2, 3, 4, 5, 67}, "1704135845067"},
      {{2000, 2, 29, 23, 59, 59, 999}, "9518399999990"},   // fewer digits: zeros are appended, not prepended
      {{1970, 1, 1, 8, 0, 1, 5}, "1005000000000"},
      {{2286, 11, 21, 1, 46, 40, 0}, "10000000000000"},  // more than 13 digits stay
  };
  for (const auto& c : cases) EXPECT_EQ(MillisecondTimeText(c.local), c.text) << c.text;
}

TEST(MillisecondTimeText, NowLiesBetweenTwoReadingsOfTheLocalClock) {
  const long long before = std::stoll(MillisecondTimeText(LocalNow()));
  const std::string now = MillisecondTimeText();
  const long long after = std::stoll(MillisecondTimeText(LocalNow()));
  EXPECT_GE(now.size(), 13u);
  EXPECT_EQ(now.find_first_not_of("0123456789"), std::string::npos);
  EXPECT_LE(before, std::stoll(now));
  EXPECT_LE(std::stoll(now), after);
}

}  // namespace
}  // namespace quillon::platform
