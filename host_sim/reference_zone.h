// The server's side of the player flow, for tests, benchmarks and the demo: zone verification
// data recorded from a reference client folder the way the administrator's reference read
// records it, and the packed blocks the server plugin sends (client data package, kick message,
// client-settings request).
#pragma once

#include <string>
#include <vector>

#include "common/json_document.h"

namespace quillon::host_sim {

// One protected directory of a zone.
struct GroupSpec {
  std::string directory;  // relative to the client root, "\" at both ends
  std::string pattern = "*.jar";
  bool subdirectories = true;
  bool all_match = false;
};

// Verification data in fingerprint index form for the files that the groups find now under
// client_root; the paths of the files found are appended to files_found when given.
JsonDocument RecordZone(const std::string& client_root, const std::vector<GroupSpec>& groups,
                        std::vector<std::string>* files_found = nullptr);

// Whitelist data for the directories (relative, "\" at both ends).
JsonDocument WhitelistZone(const std::vector<std::string>& directories);

// One zone of a client data package.
struct PackageZone {
  int zone = 1;
  bool enabled = true;
  JsonDocument verification;
  JsonDocument whitelist;
};

// The packed client data package: the given zones (the others switched off) and the
// whitelisted characters.
std::string PackedClientPackage(const std::vector<PackageZone>& zones, const std::vector<std::string>& characters = {});

// A packed kick message and client-settings request.
std::string PackedKick(const std::string& message);
std::string PackedClientSettingsRequest(const std::string& character_name);

}  // namespace quillon::host_sim
