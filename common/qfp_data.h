// Verification data files (.QFP) with their JSON content: reading one into whitelist and
// verification groups, and writing one from whitelist data and verification data in group list
// form.
//
// Reading decodes the file's text layer (common/qfp_file.h: rejected only when the zone block is
// missing or empty), then parses both JSON blocks; a JSON block that is empty or does not parse
// contributes no groups and is not an error. The zone text is returned but not interpreted:
// callers take the data for the zone they are editing.
// The JSON blocks are written as compact escaped text (ToText with indentation off and escaping
// on); an empty document is written as "{}".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/json_document.h"
#include "common/verification_data.h"

namespace quillon {

struct QfpData {
  std::string zone;                             // the zone block's text, never empty
  std::vector<std::string> whitelist;           // whitelist directory texts, in member order
  std::vector<VerificationGroup> verification;  // verification groups, in member order
};

// Reads the bytes of a verification data file. False (out untouched) when it is rejected.
bool ReadQfpData(std::string_view file_bytes, QfpData& out);

// The content of a verification data file for zone (decimal text) from whitelist data and
// verification data in group list form.
std::string QfpDataFileText(std::string_view zone, const JsonDocument& whitelist, const JsonDocument& group_list);

}  // namespace quillon
