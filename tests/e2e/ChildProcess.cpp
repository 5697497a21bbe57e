#include "ChildProcess.h"

#include <cstdio>
#include <vector>

namespace e2e {

namespace {
constexpr DWORD kTerminateWaitMs = 5000;
// Wine's CreateProcessW now and then refuses a start with ERROR_INTERNAL_ERROR before anything
// of the program ran (seen once in three runs of the test command). Nothing has happened then, so
// the start is made again, a few times; any other refusal, and whatever the program does once
// started, is the test's to judge.
constexpr int kStartAttempts = 4;
constexpr DWORD kStartRetryPauseMs = 200;
}  // namespace

ChildProcess ChildProcess::Start(const std::wstring& program, const std::wstring& workDir) {
  ChildProcess child;
  const std::wstring quoted = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  for (int attempt = 1;; ++attempt) {
    // CreateProcessW may write to the command line it is given, so it gets its own copy.
    std::vector<wchar_t> commandLine(quoted.begin(), quoted.end());
    commandLine.push_back(L'\0');
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       workDir.c_str(), &startup, &info)) {
      break;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_INTERNAL_ERROR || attempt == kStartAttempts) {
      child.error_ = L"CreateProcessW failed with error " + std::to_wstring(error) + L" for " +
                     program + L" (attempt " + std::to_wstring(attempt) + L")";
      return child;
    }
    std::printf(
        "CreateProcessW refused the start with error %lu (ERROR_INTERNAL_ERROR) before the "
        "program ran; starting it again (attempt %d of %d)\n",
        error, attempt + 1, kStartAttempts);
    std::fflush(stdout);
    Sleep(kStartRetryPauseMs);
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
