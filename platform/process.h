// Processes: starting a program detached (without waiting), ending a process by id, and
// reading the environment.
//
// Detached programs never hold the caller's handles or pipes: on POSIX they run in a new
// session (setsid) with standard streams on /dev/null and no inherited descriptors; on Windows
// they are created without inherited handles, in a normal activated window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::platform {

// Windows: starts a command line (GBK). False when the process cannot be created.
bool StartDetachedCommandLine(std::string_view command_line);

// POSIX: starts program (UTF-8, looked up on PATH when it has no "/") with arguments (UTF-8).
// False when the program cannot be started.
bool StartDetachedProgram(const std::string& program, const std::vector<std::string>& arguments);

// True when program (no "/") is found as an executable on PATH.
bool ProgramOnPath(const std::string& program);

// Ends a process with exit status 0. Id 0 ends the calling process at once (no static
// destructors run). A negative id is refused; on POSIX our own id is ended like 0.
// False when the process cannot be opened or ended.
bool TerminateByProcessId(int32_t process_id);

// The environment variable's value; empty when unset.
std::string GetEnvironment(const char* name);

// The calling process's id.
int32_t CurrentProcessId();

}  // namespace quillon::platform
