// Command-line programs' access to their arguments and standard streams.
//
// Arguments are returned in the system's own text form (GBK): on POSIX they are taken as UTF-8
// and converted; on Windows they are read as UTF-16 from the process's command line, so
// characters outside the ANSI code page are not lost before conversion. Text meant for a reader
// is converted with ConsoleText: UTF-8 on POSIX, GBK unchanged on Windows (code page 936).
// Standard input and output are read and written as raw bytes (binary mode on Windows).
// Nothing throws; failures are reported by results.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::platform {

// The program's arguments after the program name, as GBK texts.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// A GBK text in the form the console shows.
std::string ConsoleText(std::string_view gbk);

// Reads standard input to its end. False (out emptied) on a read error.
bool ReadStandardInput(std::string& out);

// Writes bytes to standard output / standard error. False when they cannot all be written.
bool WriteStandardOutput(std::string_view bytes);
bool WriteStandardError(std::string_view bytes);

}  // namespace quillon::platform
