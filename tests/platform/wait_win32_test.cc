// The nested message loop of WaitPumping on Windows: window messages run during the wait, and a
// WM_QUIT it takes is posted again for the host's own loop.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/wait.h"

namespace quillon::platform {
namespace {

int g_timer_calls = 0;
void CALLBACK CountTimer(HWND, UINT, UINT_PTR, DWORD) { ++g_timer_calls; }

TEST(WaitWindows, MessagesRunAndQuitIsPostedAgain) {
  UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &CountTimer);
  ASSERT_NE(timer, 0u);
  EXPECT_EQ(WaitPumping(200, 0), 1);
  ::KillTimer(nullptr, timer);
  EXPECT_GT(g_timer_calls, 0);  // the thread's messages were dispatched meanwhile

  ::PostQuitMessage(7);
  EXPECT_EQ(WaitPumping(30, 0), 1);
  MSG msg;
  ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
}  // namespace quillon::platform
