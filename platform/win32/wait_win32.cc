#include "platform/wait.h"

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace quillon::platform {
void PumpPendingEvents() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The host's own loop must still see it.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

int32_t WaitPumping(int64_t amount, int32_t unit) {
  int64_t total_ms = WaitMilliseconds(amount, unit);
  UniqueHandle timer(::CreateWaitableTimerW(nullptr, FALSE, nullptr));
  if (!timer.valid()) {
    ::Sleep(static_cast<DWORD>(total_ms));
    return 1;
  }
  LARGE_INTEGER due;
  due.QuadPart = -total_ms * 10000;  // relative, in 100 ns units
  if (!::SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE)) {
    ::Sleep(static_cast<DWORD>(total_ms));
    return 1;
  }
  HANDLE handle = timer.get();
  while (true) {
    DWORD r = ::MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0) return 1;
    if (r == WAIT_OBJECT_0 + 1) {
      MSG msg;
      bool quit = false;
      while (!quit && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
          quit = true;
          ::PostQuitMessage(static_cast<int>(msg.wParam));
          break;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
      }
      if (quit) {
        // A re-posted WM_QUIT would wake the wait at once again; wait for the timer alone.
        ::WaitForSingleObject(handle, INFINITE);
        return 1;
      }
    } else {
      return 1;  // WAIT_FAILED: do not spin
    }
  }
}

}  // namespace quillon::platform
