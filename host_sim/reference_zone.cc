#include "host_sim/reference_zone.h"

#include "common/envelope_codec.h"
#include "common/group_key.h"
#include "common/hex_text.h"
#include "common/messages.h"
#include "launcher_plugin/fingerprint.h"
#include "launcher_plugin/walk_directory.h"

namespace quillon::host_sim {

JsonDocument RecordZone(const std::string& client_root, const std::vector<GroupSpec>& groups,
                        std::vector<std::string>* files_found) {
  JsonDocument doc;
  doc.Parse();
  for (const GroupSpec& g : groups) {
    std::string key = GroupKey(g.directory);
    std::vector<std::string> files;
    launcher::WalkDirectory(client_root + g.directory, g.pattern, files, true, g.subdirectories);
    doc.SetInt(key + ".type", 0);
    doc.SetString(key + ".fomrt", g.pattern);
    doc.SetBool(key + ".set_allmumber", g.all_match);
    doc.SetBool(key + ".set_subfile", g.subdirectories);
    doc.SetInt(key + ".amount", static_cast<int32_t>(files.size()));
    for (const std::string& file : files) {
      int64_t size = 0;
      std::string fscode = launcher::Fingerprint(file, size);
      doc.SetString(key + ".files." + fscode + ".size", std::to_string(size));
      if (files_found != nullptr) files_found->push_back(file);
    }
  }
  return doc;
}

JsonDocument WhitelistZone(const std::vector<std::string>& directories) {
  JsonDocument doc;
  doc.Parse();
  for (const std::string& d : directories) doc.SetInt(GroupKey(d) + ".type", 1);
  return doc;
}

std::string PackedClientPackage(const std::vector<PackageZone>& zones, const std::vector<std::string>& characters) {
  ClientPackageBuilder builder;
  for (int n = 1; n <= 16; ++n) {
    const PackageZone* zone = nullptr;
    for (const PackageZone& z : zones) {
      if (z.zone == n) zone = &z;
    }
    if (zone == nullptr) {
      builder.AddZone(n, false, "", "");
    } else {
      builder.AddZone(n, zone->enabled, ToHexText(zone->verification.ToText()), ToHexText(zone->whitelist.ToText()));
    }
  }
  for (const std::string& c : characters) builder.AddCharacter(c, "uid-" + c);
  return EnvelopeCodec().Pack(builder.Text());
}

std::string PackedKick(const std::string& message) { return EnvelopeCodec().Pack(KickMessageText(message)); }

std::string PackedClientSettingsRequest(const std::string& character_name) {
  return EnvelopeCodec().Pack(ClientSettingsRequestText(character_name));
}

}  // namespace quillon::host_sim
