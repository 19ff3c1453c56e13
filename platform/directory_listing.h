// Directory listing in the system's path form.
//
// ListDirectory gives every entry of one directory (hidden and system entries included, "."
// and ".." left out) with its name in GBK and what the walk needs to know about it; callers
// filter the names themselves (common/wildcard_match.h), so both platforms select the same
// files. The entries come in the order the operating system gives them.
//
// Symbolic links and other reparse points are marked, so that a walk never descends through
// them: an entry that leads to a directory counts as a directory whether it is one or a link to
// one, as Windows reports it.
//
// A name that has no exact form in the system's path text (on Linux: no GBK form, a "\" in the
// name, or bytes that are not UTF-8) is given with "?" for what cannot be written and marked
// inexact. EntryPath turns such an entry into a path that no file operation can open or
// create, so that nothing ever reads or makes a look-alike file under the approximate name.
// None of the functions throws.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::platform {

struct DirectoryEntry {
  std::string name;           // GBK; approximate when exact_name is false
  bool is_directory = false;  // a directory, or a link or reparse point that leads to one
  bool is_link = false;       // a symbolic link or other reparse point: never descend into it
  bool exact_name = true;     // false when name only approximates the real name
};

// Replaces out with the entries of the directory at path (with or without a trailing "\").
// False (out emptied) when the directory cannot be listed: it does not exist, is not a
// directory, or vanished or failed while being read.
bool ListDirectory(std::string_view path, std::vector<DirectoryEntry>& out);

// directory (ending in "\") + the entry's name; for an entry whose name is not exact, a path
// ending in that approximate name that can never be opened or created.
std::string EntryPath(std::string_view directory, const DirectoryEntry& entry);

// True when path names an existing directory (following links).
bool IsDirectory(std::string_view path);

}  // namespace quillon::platform
