// The qfp command-line tool: administrators' access to verification data files, file
// fingerprints and enveloped blocks.
//
// RunQfp runs one command line (the arguments after the program name, as GBK texts) and returns
// the exit status: 0 on success, 1 when an input is rejected or cannot be read, 2 on a usage
// error. It never touches the process's streams itself: it reads standard input through io and
// leaves what belongs on standard output and standard error in io.out and io.err (texts already
// in the console's form, blocks as raw bytes), so that the commands can be tested as functions.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillon::tools {

struct QfpIo {
  std::function<bool(std::string&)> read_input;  // reads all of standard input; false on error
  std::string out;                                // bytes for standard output
  std::string err;                                // bytes for standard error
};

inline constexpr int kQfpSuccess = 0;
inline constexpr int kQfpRejected = 1;
inline constexpr int kQfpUsageError = 2;

int RunQfp(const std::vector<std::string>& arguments, QfpIo& io);

}  // namespace quillon::tools
