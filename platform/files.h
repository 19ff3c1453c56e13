// File services in the system's own path form.
//
// Paths are GBK texts with "\" separators, exactly as the plugins build them. The Windows
// implementation converts them to UTF-16 and calls the wide API; the POSIX implementation
// converts GBK to UTF-8 and then "\" to "/" (0x5C inside a double-byte character is left alone,
// and 0x2F never occurs inside one).
// Every function reports failure by its result; none throws.
#pragma once

#include <string>
#include <string_view>

namespace quillon::platform {

// Reads the whole file into out. False (out emptied) when it cannot be opened or read.
bool ReadWholeFile(std::string_view path, std::string& out);

// Creates or truncates the file and writes data. False when it cannot be written completely.
bool WriteWholeFile(std::string_view path, std::string_view data);

// True when a file or directory exists at path.
bool FileExists(std::string_view path);

// Creates the directory (one level). True when it exists afterwards as a directory.
bool MakeDirectory(std::string_view path);

// A directory text from a host in the system's path form. Windows hosts already use "\"; on
// POSIX a host may pass "/" separators, which become "\" (0x2F is never a GBK trail byte).
std::string HostPathToSystem(std::string_view path);

// The path as the operating system wants it: UTF-8 with "/" on POSIX; GBK unchanged on Windows
// (callers there convert to UTF-16 themselves).
std::string NativePath(std::string_view path);

}  // namespace quillon::platform
