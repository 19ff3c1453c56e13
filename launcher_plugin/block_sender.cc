#include "launcher_plugin/block_sender.h"

#include "common/messages.h"
#include "launcher_plugin/host_functions.h"
#include "launcher_plugin/launcher_state.h"
#include "platform/millisecond_time_text.h"

namespace quillon::launcher {

void SendResendRequest() {
  std::string text = ResendRequestText();
  LauncherState& state = State();
  std::lock_guard<std::mutex> lock(state.send_mutex);
  state.resend_block = state.envelope_codec.Pack(text);
  HostSendSocketData(state.resend_block.data(), state.resend_block.size());
}

void SendViolationReport(bool game_running, std::string_view detail) {
  std::string text = ViolationReportText(detail, platform::MillisecondTimeText(), game_running);
  LauncherState& state = State();
  std::lock_guard<std::mutex> lock(state.send_mutex);
  state.report_block = state.envelope_codec.Pack(text);
  HostSendSocketData(state.report_block.data(), state.report_block.size());
}

}  // namespace quillon::launcher
