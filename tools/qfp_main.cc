// qfp: the administrators' command-line tool (see qfp_cli.h).
#include "platform/console.h"
#include "tools/qfp_cli.h"

int main(int argc, char** argv) {
  quillon::tools::QfpIo io;
  io.read_input = quillon::platform::ReadStandardInput;
  const int status = quillon::tools::RunQfp(quillon::platform::CommandLineArguments(argc, argv), io);
  quillon::platform::WriteStandardOutput(io.out);
  quillon::platform::WriteStandardError(io.err);
  return status;
}
