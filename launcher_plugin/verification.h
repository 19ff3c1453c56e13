// Verification of the current client against one zone data snapshot.
#pragma once

#include <string>
#include <string_view>

namespace quillon::launcher {

struct VerificationResult {
  bool passed = true;
  std::string user_text;      // what the player is told on a failure
  std::string report_detail;  // what the server is told on a failure
};

// Verifies the client root's protected directories against the zone's data in the current
// snapshot, letting window events run meanwhile. A zone outside 1 to 16 has no data: it passes.
VerificationResult VerifyCurrentZone(std::string_view zone_number);

}  // namespace quillon::launcher
