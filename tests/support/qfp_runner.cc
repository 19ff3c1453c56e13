#include "tests/support/qfp_runner.h"

#include "tools/qfp_cli.h"

namespace quillon::testing {

QfpResult RunQfpTool(const std::vector<std::string>& arguments, const std::string& input) {
  tools::QfpIo io;
  io.read_input = [&](std::string& out) {
    out = input;
    return true;
  };
  const int status = tools::RunQfp(arguments, io);
  return {status, io.out, io.err};
}

}  // namespace quillon::testing
