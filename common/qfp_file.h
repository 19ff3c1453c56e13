// Verification data files (extension .QFP): the text layer.
//
// A file holds ToHexText of its payload and nothing else (no header, byte-order mark or line
// break). The payload is three tagged blocks, in this order and separated by commas:
//   [区服序号/]zone number[/区服序号],[白名单数据/]whitelist JSON[/白名单数据],
//   [反作弊数据/]verification JSON (group list form)[/反作弊数据]
// A reader looks each block up on its own from the start of the payload, so block order and the
// commas do not matter to it. Only the zone block is validated: a payload whose zone block is
// missing or empty is rejected; any non-empty zone text is accepted and not interpreted.
// The JSON blocks are returned as found; common/qfp_data.h turns them into groups.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// The block marks, as GBK bytes (spelled out so that every compiler produces the same marks).
inline constexpr std::string_view kZoneBlockOpen = "[\xC7\xF8\xB7\xFE\xD0\xF2\xBA\xC5/]";             // [区服序号/]
inline constexpr std::string_view kZoneBlockClose = "[/\xC7\xF8\xB7\xFE\xD0\xF2\xBA\xC5]";            // [/区服序号]
inline constexpr std::string_view kWhitelistBlockOpen = "[\xB0\xD7\xC3\xFB\xB5\xA5\xCA\xFD\xBE\xDD/]";   // [白名单数据/]
inline constexpr std::string_view kWhitelistBlockClose = "[/\xB0\xD7\xC3\xFB\xB5\xA5\xCA\xFD\xBE\xDD]";  // [/白名单数据]
inline constexpr std::string_view kVerificationBlockOpen = "[\xB7\xB4\xD7\xF7\xB1\xD7\xCA\xFD\xBE\xDD/]";   // [反作弊数据/]
inline constexpr std::string_view kVerificationBlockClose = "[/\xB7\xB4\xD7\xF7\xB1\xD7\xCA\xFD\xBE\xDD]";  // [/反作弊数据]

// The three texts a verification data file carries.
struct QfpPayload {
  std::string zone;               // the zone block: decimal zone number as written, never empty
  std::string whitelist_json;     // the whitelist block (may be empty or not JSON at all)
  std::string verification_json;  // the verification block (likewise)
};

// The payload text of a verification data file (the blocks above, not yet hex-encoded).
std::string QfpPayloadText(std::string_view zone, std::string_view whitelist_json, std::string_view verification_json);

// The whole content of a verification data file: ToHexText of QfpPayloadText.
std::string QfpFileText(std::string_view zone, std::string_view whitelist_json, std::string_view verification_json);

// Decodes the bytes of a verification data file: the bytes up to the first zero byte are read as
// hex text, the decoded bytes up to their first zero byte are the payload, and the three blocks
// are extracted from it. False (out untouched) when the zone block is missing or empty: the file
// is rejected. Never fails otherwise.
bool DecodeQfpFile(std::string_view file_bytes, QfpPayload& out);

}  // namespace quillon
