// Whitelist data and verification data: the JSON shapes of a zone's protected directories, and
// the conversion of verification data from group list form to fingerprint index form.
//
// Every path group is one member of the root object; its name is the group key (GroupKey of the
// directory text). Whitelist data: each member is {"type":1}. Verification data, group list form:
// each member holds "type" (0), "fomrt" (file-name patterns separated by "|"), "set_allmumber"
// (the number of files found must equal "amount"), "set_subfile" (subdirectories are included),
// "amount" (files found) and "files", an array of {"name","size","fscode"} (absent, or an empty
// object, when no file was found). Fingerprint index form: the same, but "files" is an object
// with one member per distinct fscode whose value is {"size": size as decimal text}; files with
// equal fscodes share one member and the last one gives the size; "amount" still counts every
// file; no "files" member when the group has no files.
// Readers take an object root's members in member order; a root that is not an object (for
// example a block that did not parse) contributes no groups.
#pragma once

#include <string>
#include <vector>

#include "common/json_document.h"

namespace quillon {

// One verification path group as the zone data editor shows and stores it.
struct VerificationGroup {
  std::string directory;       // relative to the client's root, "\" at both ends
  std::string pattern;         // "fomrt"
  bool all_match = false;      // "set_allmumber"
  bool subdirectories = false;  // "set_subfile"
  std::string amount;          // "amount" as its text (read with GetText)
  std::string files_json;      // "files" as compact escaped JSON text; empty when absent
};

// The directory texts of the whitelist groups, in member order.
std::vector<std::string> WhitelistDirectories(const JsonDocument& whitelist);

// The verification groups of a group list form document, in member order.
std::vector<VerificationGroup> VerificationGroups(const JsonDocument& group_list);

// Whitelist data for the directories: each group key with {"type":1}.
JsonDocument WhitelistDocument(const std::vector<std::string>& directories);

// Group list form of the groups: each member holds "files" (the parsed files_json; an empty
// object when files_json is empty), then "type", "fomrt", "set_allmumber", "set_subfile" and
// "amount" (the integer value of the amount text).
JsonDocument GroupListDocument(const std::vector<VerificationGroup>& groups);

// Fingerprint index form of the groups: "files" (only when files_json has elements) with one
// member per fscode, then the other members as in GroupListDocument.
JsonDocument FingerprintIndexDocument(const std::vector<VerificationGroup>& groups);

// Fingerprint index form of a group list form document.
JsonDocument FingerprintIndexForm(const JsonDocument& group_list);

}  // namespace quillon
