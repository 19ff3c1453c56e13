#include "launcher_plugin/zone_checks.h"

#include "common/messages.h"

namespace quillon::launcher {

int ZoneIndex(std::string_view zone_number) {
  // Read like the JSON document reads a number from a string: blanks, a sign, digits.
  JsonDocument doc;
  doc.Parse();
  doc.SetString("n", zone_number);
  return doc.GetInt("n");
}

bool ZoneSwitchedOn(const ZoneData& data, std::string_view zone_number) {
  int zone = ZoneIndex(zone_number);
  if (zone < 1 || zone > 16 || data.zone_enabled.size() != 16) return false;
  return data.zone_enabled[static_cast<size_t>(zone - 1)];
}

bool CharacterWhitelisted(const ZoneData& data, std::string_view character_name) {
  return IsCharacterWhitelisted(data.character_whitelist, character_name);
}

}  // namespace quillon::launcher
