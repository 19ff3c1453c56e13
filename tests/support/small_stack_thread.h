// Runs a test body on a thread with a small, fixed stack.
//
// Tests of code that must not recurse per nesting level run it here: a recursion that the
// default 8 MiB main-thread stack would survive overflows a 1 MiB stack at once. POSIX threads
// get the size through pthread attributes, Windows threads through CreateThread.
#pragma once

#include <cstddef>
#include <functional>

namespace quillon::testing {

// Runs body on a new thread whose stack is stack_bytes and waits for it. False when the thread
// could not be started (body did not run).
bool RunOnStackOf(size_t stack_bytes, const std::function<void()>& body);

}  // namespace quillon::testing
