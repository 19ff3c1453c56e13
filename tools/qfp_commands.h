// The commands of the qfp tool and the helpers they share (see qfp_cli.h for the contract).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/qfp_cli.h"

namespace quillon::tools {

// A command line split into options and operands. Options are "--name" or "-x"; "-o" and
// "--output" take the next argument as their value; "--" ends the options; "-" is an operand
// (standard input).
struct ParsedArguments {
  bool help = false;
  bool json = false;
  bool has_output = false;
  std::string output;
  std::vector<std::string> operands;
  std::string error;  // the first usage error, empty when none
};

// Parses arguments, accepting only the options named in allowed ("--json", "-o").
ParsedArguments ParseArguments(const std::vector<std::string>& arguments, const std::vector<std::string_view>& allowed);

// Appends a GBK text to a stream in the console's form.
void Print(std::string& stream, std::string_view gbk);

// Prints "qfp <command>: " + message + a line break to io.err and returns status.
int Fail(QfpIo& io, std::string_view command, std::string_view message, int status);

int RunFingerprint(const std::vector<std::string>& arguments, QfpIo& io);
int RunShow(const std::vector<std::string>& arguments, QfpIo& io);
int RunVerify(const std::vector<std::string>& arguments, QfpIo& io);
int RunPack(const std::vector<std::string>& arguments, QfpIo& io);
int RunUnpack(const std::vector<std::string>& arguments, QfpIo& io);

}  // namespace quillon::tools
