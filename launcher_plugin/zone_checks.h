// The two tests that decide whether a game start is checked at all: the zone switch and the
// character whitelist. Both read one zone data snapshot.
#pragma once

#include <string_view>

#include "launcher_plugin/launcher_state.h"

namespace quillon::launcher {

// The zone number text read as a decimal integer (leading blanks and a sign allowed, then
// digits; 0 when there are none). Numbers outside 1 to 16 are no zone.
int ZoneIndex(std::string_view zone_number);

// True when the zone is switched on. A zone outside 1 to 16, or no package yet, is off.
bool ZoneSwitchedOn(const ZoneData& data, std::string_view zone_number);

// True when the character is on the server's character whitelist.
bool CharacterWhitelisted(const ZoneData& data, std::string_view character_name);

}  // namespace quillon::launcher
