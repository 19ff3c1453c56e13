// The directory walk: lists the game files of one protected directory.
//
// The pattern text holds one or more file-name patterns separated by "|" (common/
// wildcard_match.h); an empty pattern text, or an empty piece between two "|", finds nothing.
// For the directory, the files matching each pattern are appended pattern by pattern (a file
// that matches two patterns is listed twice), every entry that is not a directory counting as
// a file, hidden, system and read-only ones included. With recursion on, the contents of the
// subdirectories follow, depth first. Entries of one directory are taken in the byte order of
// their names, so every run and both platforms give the same list. The walk never descends
// through a symbolic link or reparse point, so link loops cannot trap it; a directory that
// cannot be listed (missing, or vanished during the walk) contributes nothing.
//
// Texts are GBK, paths in the system's form ("\" separators). The pump callback lets the
// calling thread's pending window events run; it is called after every file found and every
// directory walked, and it may change the file system (the walk then lists what it finds).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::launcher {

// Walks directory with the pattern text. With recursion off the list is emptied first; with
// it on, the files are appended to what the list holds. Each file is added as its full path
// (directory, a "\" when the directory text does not end in one, the name) or, with the
// with-path flag off, as its name alone. A file whose name has no exact form in the system's
// text is added under a path that cannot be opened (platform/directory_listing.h). Returns
// the number of entries in the list afterwards.
int32_t WalkDirectory(std::string_view directory, std::string_view patterns, std::vector<std::string>& list,
                      bool with_path, bool recurse, const std::function<void()>& pump_events = {});

}  // namespace quillon::launcher
