#include "launcher_plugin/verification.h"

#include "launcher_plugin/launcher_state.h"
#include "launcher_plugin/verify_zone.h"
#include "launcher_plugin/zone_checks.h"

namespace quillon::launcher {

VerificationResult VerifyCurrentZone(std::string_view zone_number) {
  std::shared_ptr<const ZoneData> data = ZoneSnapshot();
  int zone = ZoneIndex(zone_number);
  VerificationResult result;
  if (zone < 1 || zone > 16 || data->zone_verification.size() != 16 || data->zone_whitelist.size() != 16) {
    return result;
  }
  LauncherState& state = State();
  ZoneVerdict verdict = VerifyZone(state.client_root, data->zone_verification[static_cast<size_t>(zone - 1)],
                                   data->zone_whitelist[static_cast<size_t>(zone - 1)], state.services.pump_events);
  result.passed = verdict.passed;
  result.user_text = verdict.user_text;
  result.report_detail = verdict.report_detail;
  return result;
}

}  // namespace quillon::launcher
