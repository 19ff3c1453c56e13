// Runs the qfp tool's command dispatch in-process with a given standard input and collects its
// status and both output streams.
#pragma once

#include <string>
#include <vector>

namespace quillon::testing {

struct QfpResult {
  int status;
  std::string out;
  std::string err;
};

QfpResult RunQfpTool(const std::vector<std::string>& arguments, const std::string& input = {});

}  // namespace quillon::testing
