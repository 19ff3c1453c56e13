#include "platform/process.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_path.h"

namespace quillon::platform {

bool StartDetachedCommandLine(std::string_view command_line) {
  std::wstring wide = WidePath(command_line);
  std::vector<wchar_t> buffer(wide.begin(), wide.end());
  buffer.push_back(L'\0');
  STARTUPINFOW startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info;
  ZeroMemory(&info, sizeof info);
  if (!::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return false;
  }
  UniqueHandle process(info.hProcess);
  UniqueHandle thread(info.hThread);
  return true;
}

bool StartDetachedProgram(const std::string&, const std::vector<std::string>&) { return false; }

bool ProgramOnPath(const std::string&) { return false; }

bool TerminateByProcessId(int32_t process_id) {
  if (process_id < 0) return false;
  if (process_id == 0) ::ExitProcess(0);
  UniqueHandle process(::OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(process_id)));
  if (!process.valid()) return false;
  return ::TerminateProcess(process.get(), 0) != 0;
}

std::string GetEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

int32_t CurrentProcessId() { return static_cast<int32_t>(::GetCurrentProcessId()); }

}  // namespace quillon::platform
