#include "platform/wait.h"

namespace quillon::platform {

int64_t WaitMilliseconds(int64_t amount, int32_t unit) {
  if (amount <= 0) return 0;
  switch (unit) {
    case 1: return amount * 1000;
    case 2: return amount * 60000;
    case 3: return amount * 3600000;
    default: return amount;
  }
}

}  // namespace quillon::platform
