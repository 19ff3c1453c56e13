// Smoke test of the built qfp program: its exit status reaches the shell.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

int ExitStatus(const std::string& arguments) {
  const std::string command = std::string("'") + QUILLON_QFP_PROGRAM + "' " + arguments + " > /dev/null 2>&1";
  const int status = std::system(command.c_str());
  return status < 0 ? -1 : (status >> 8) & 0xFF;  // the shell's exit status
}

TEST(QfpProgram, ExitStatuses) {
  EXPECT_EQ(ExitStatus("--help"), 0);
  EXPECT_EQ(ExitStatus(""), 2);
  EXPECT_EQ(ExitStatus("fingerprint /nonexistent/quillon/file"), 1);
}

}  // namespace
