#include "platform/wait.h"

#include <gtest/gtest.h>

namespace quillon::platform {
namespace {

TEST(Wait, UnitsAndAShortRealWait) {
  struct Case {
    int64_t amount;
    int32_t unit;
    int64_t ms;
  } cases[] = {{5, 0, 5}, {2, 1, 2000}, {3, 2, 180000}, {1, 3, 3600000}, {7, 9, 7}, {0, 1, 0}, {-4, 1, 0}};
  for (const auto& c : cases) EXPECT_EQ(WaitMilliseconds(c.amount, c.unit), c.ms) << c.amount << " " << c.unit;
  EXPECT_EQ(WaitPumping(20, 0), 1);
  EXPECT_EQ(WaitPumping(-1, 1), 1);
}

}  // namespace
}  // namespace quillon::platform
