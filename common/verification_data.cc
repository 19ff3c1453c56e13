#include "common/verification_data.h"

#include <cstdint>
#include <string_view>
#include <utility>

#include "common/group_key.h"

namespace quillon {
namespace {

// The leading decimal integer of text (optional blanks and sign, then digits), clamped to
// 32 bits; 0 when there is none.
int32_t IntegerValue(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{INT32_MAX} + 1) break;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

// The path "[i]". Built by appending: GCC 12 warns falsely (-Wrestrict) on "[" + text.
std::string Index(int32_t i) {
  std::string path(1, '[');
  path += std::to_string(i);
  path += ']';
  return path;
}

bool IsObject(const JsonDocument& document) { return document.GetType("") == kJsonObject; }

// "type", "fomrt", "set_allmumber", "set_subfile" and "amount" of a group under key.
void SetGroupMembers(JsonDocument& document, const std::string& key, const VerificationGroup& group) {
  document.SetInt(key + ".type", 0);
  document.SetString(key + ".fomrt", group.pattern);
  document.SetBool(key + ".set_allmumber", group.all_match);
  document.SetBool(key + ".set_subfile", group.subdirectories);
  document.SetInt(key + ".amount", IntegerValue(group.amount));
}

}  // namespace

std::vector<std::string> WhitelistDirectories(const JsonDocument& whitelist) {
  std::vector<std::string> directories;
  if (!IsObject(whitelist)) return directories;
  const int32_t count = whitelist.GetCount("");
  for (int32_t i = 0; i < count; ++i) directories.push_back(GroupDirectory(whitelist.GetKey(Index(i))));
  return directories;
}

std::vector<VerificationGroup> VerificationGroups(const JsonDocument& group_list) {
  std::vector<VerificationGroup> groups;
  if (!IsObject(group_list)) return groups;
  const int32_t count = group_list.GetCount("");
  for (int32_t j = 0; j < count; ++j) {
    const std::string member = Index(j);
    VerificationGroup group;
    group.directory = GroupDirectory(group_list.GetKey(member));
    group.pattern = group_list.GetText(member + ".fomrt");
    group.all_match = group_list.GetBool(member + ".set_allmumber");
    group.subdirectories = group_list.GetBool(member + ".set_subfile");
    group.amount = group_list.GetText(member + ".amount");
    group.files_json = group_list.ToText(member + ".files");
    groups.push_back(std::move(group));
  }
  return groups;
}

JsonDocument WhitelistDocument(const std::vector<std::string>& directories) {
  JsonDocument whitelist;
  whitelist.Parse();
  for (const std::string& directory : directories) whitelist.SetInt(GroupKey(directory) + ".type", 1);
  return whitelist;
}

JsonDocument GroupListDocument(const std::vector<VerificationGroup>& groups) {
  JsonDocument document;
  document.Parse();
  for (const VerificationGroup& group : groups) {
    const std::string key = GroupKey(group.directory);
    // An empty text parses to an empty object, so a group without files gets "files":{}.
    if (!document.MergeText(key + ".files", group.files_json, false, true)) document.MakeObject(key + ".files");
    SetGroupMembers(document, key, group);
  }
  return document;
}

JsonDocument FingerprintIndexDocument(const std::vector<VerificationGroup>& groups) {
  JsonDocument document;
  document.Parse();
  for (const VerificationGroup& group : groups) {
    const std::string key = GroupKey(group.directory);
    JsonDocument files;
    files.Parse(group.files_json);
    const int32_t count = files.GetCount("");
    for (int32_t e = 0; e < count; ++e) {
      const std::string element = Index(e);
      const std::string fscode = files.GetText(element + ".fscode");
      if (fscode.empty()) continue;  // no fingerprint to index
      // The fscode is used as a member name directly, never as a path, so any text is safe.
      JsonDocument entry = JsonDocument::NewObject();
      entry.SetString("size", files.GetText(element + ".size"));
      document.SetMember(key + ".files", fscode, entry);
    }
    SetGroupMembers(document, key, group);
  }
  return document;
}

JsonDocument FingerprintIndexForm(const JsonDocument& group_list) {
  return FingerprintIndexDocument(VerificationGroups(group_list));
}

}  // namespace quillon
