// Waiting while the calling thread's window events keep flowing.
//
// WaitPumping waits for amount x unit (0 = milliseconds, 1 = seconds, 2 = minutes, 3 = hours)
// and lets the thread process its pending window messages whenever one arrives meanwhile, so
// a host window stays usable and the host may call the plugin again during the wait. On
// Windows it waits on an unnamed auto-reset waitable timer or any input of the thread
// (MsgWaitForMultipleObjects); a WM_QUIT taken from the queue is posted again so the host's own
// loop still sees it. On POSIX there is no window system: it sleeps in short slices and runs
// PumpPendingEvents between them. Returns 1 when the time has passed.
#pragma once

#include <cstdint>

namespace quillon::platform {

int32_t WaitPumping(int64_t amount, int32_t unit);

// amount x unit in milliseconds (an unknown unit counts as milliseconds; 0 for amounts of 0 or
// less).
int64_t WaitMilliseconds(int64_t amount, int32_t unit);

// Lets the calling thread process its pending window messages, then returns.
void PumpPendingEvents();

}  // namespace quillon::platform
