#include "ChildProcess.h"

#include <vector>

namespace e2e {

namespace {
constexpr DWORD kTerminateWaitMs = 5000;
}  // namespace

ChildProcess ChildProcess::Start(const std::wstring& program, const std::wstring& workDir) {
  ChildProcess child;
  // CreateProcessW may write to the command line it is given, so it gets its own copy.
  std::wstring quoted = L"\"" + program + L"\"";
  std::vector<wchar_t> commandLine(quoted.begin(), quoted.end());
  commandLine.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workDir.c_str(), &startup, &info)) {
    child.error_ =
        L"CreateProcessW failed with error " + std::to_wstring(GetLastError()) + L" for " + program;
    return child;
  }
  CloseHandle(info.hThread);
  child.process_.reset(info.hProcess);
  child.id_ = info.dwProcessId;
  return child;
}

ChildProcess::~ChildProcess() {
  if (Running()) {
    TerminateProcess(process_.get(), 1);
    WaitForExit(kTerminateWaitMs);
  }
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) const {
  return started() && WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

std::optional<DWORD> ChildProcess::ExitCode() const {
  DWORD code = 0;
  if (!WaitForExit(0) || !GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
  return code;
}

}  // namespace e2e
