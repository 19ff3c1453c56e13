#include "platform/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace quillon::platform {

bool StartDetachedCommandLine(std::string_view) { return false; }

bool StartDetachedProgram(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<std::string> argv_storage;
  argv_storage.push_back(program);
  argv_storage.insert(argv_storage.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& a : argv_storage) argv.push_back(a.data());
  argv.push_back(nullptr);

  // A pipe with close-on-exec tells the parent whether exec succeeded.
  int status_pipe[2];
  if (::pipe2(status_pipe, O_CLOEXEC) != 0) return false;
  pid_t child = ::fork();
  if (child < 0) {
    ::close(status_pipe[0]);
    ::close(status_pipe[1]);
    return false;
  }
  if (child == 0) {
    // Intermediate child: a new session, then a grandchild that the init process adopts, so
    // the caller never has to reap the program.
    ::setsid();
    pid_t grandchild = ::fork();
    if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
    int null_fd = ::open("/dev/null", O_RDWR);
    if (null_fd >= 0) {
      ::dup2(null_fd, 0);
      ::dup2(null_fd, 1);
      ::dup2(null_fd, 2);
    }
    int keep = status_pipe[1];
    long max = ::sysconf(_SC_OPEN_MAX);
    if (max < 0 || max > 65536) max = 65536;
    for (int fd = 3; fd < max; ++fd) {
      if (fd != keep) ::close(fd);
    }
    ::execvp(argv[0], argv.data());
    char failed = 1;
    ssize_t ignored = ::write(keep, &failed, 1);
    (void)ignored;
    ::_exit(127);
  }
  ::close(status_pipe[1]);
  int child_status = 0;
  while (::waitpid(child, &child_status, 0) < 0 && errno == EINTR) {
  }
  char failed = 0;
  ssize_t n;
  do {
    n = ::read(status_pipe[0], &failed, 1);
  } while (n < 0 && errno == EINTR);
  ::close(status_pipe[0]);
  return WIFEXITED(child_status) && WEXITSTATUS(child_status) == 0 && n == 0;
}

bool ProgramOnPath(const std::string& program) {
  std::string path = GetEnvironment("PATH");
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(':', start);
    if (end == std::string::npos) end = path.size();
    std::string dir = path.substr(start, end - start);
    if (dir.empty()) dir = ".";
    std::string candidate = dir + "/" + program;
    struct stat st;
    if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(candidate.c_str(), X_OK) == 0) {
      return true;
    }
    start = end + 1;
  }
  return false;
}

bool TerminateByProcessId(int32_t process_id) {
  if (process_id < 0) return false;
  if (process_id == 0 || process_id == ::getpid()) ::_exit(0);
  return ::kill(process_id, SIGKILL) == 0;
}

std::string GetEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

int32_t CurrentProcessId() { return static_cast<int32_t>(::getpid()); }

}  // namespace quillon::platform
