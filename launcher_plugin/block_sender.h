// The two blocks the launcher plugin sends to the server: the resend request and the
// violation report. Each is built as JSON, packed with the envelope codec, kept in its state
// variable (the host reads the bytes until the next block of the same kind) and handed to the
// host, all in one short critical section, so the host's thread and the monitor may both send.
#pragma once

#include <string_view>

namespace quillon::launcher {

// Asks the server to send the client data package again.
void SendResendRequest();

// Reports a violation: the game-running flag (always false from this plugin) and the detail.
void SendViolationReport(bool game_running, std::string_view detail);

}  // namespace quillon::launcher
