// The host's events: who plays in which zone, the game-start check, the monitor's start and the
// end check. Returns 1 for a handled event (0 for a refused game start) and 2 for a name the
// plugin does not know (names compare exactly, case-sensitively).
#pragma once

#include <cstdint>
#include <string_view>

namespace quillon::launcher {

int32_t DispatchEvent(std::string_view event_name, std::string_view event_json);

// The game-start check for the current game: 1 when the start may go on, 0 when refused.
int32_t GameStartCheck();

}  // namespace quillon::launcher
