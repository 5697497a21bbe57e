// A program the driver starts and, should a test stop early, ends again.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/Handles.h"

namespace e2e {

class ChildProcess {
 public:
  // Starts program (a full path) with no arguments in workDir. On failure the object is empty
  // and error() tells why.
  static ChildProcess Start(const std::wstring& program, const std::wstring& workDir);

  ChildProcess(ChildProcess&&) = default;
  ChildProcess& operator=(ChildProcess&&) = default;
  // A program still running when its test ends is terminated, so later cases start clean.
  ~ChildProcess();

  bool started() const { return process_ != nullptr; }
  const std::wstring& error() const { return error_; }
  DWORD id() const { return id_; }
  HANDLE handle() const { return process_.get(); }

  // True once the program has ended, waiting at most timeoutMs.
  bool WaitForExit(DWORD timeoutMs) const;
  bool Running() const { return started() && !WaitForExit(0); }
  // The program's exit code once it has ended; nothing while it runs.
  std::optional<DWORD> ExitCode() const;

 private:
  ChildProcess() = default;

  win32::UniqueHandle process_;
  DWORD id_ = 0;
  std::wstring error_;
};

}  // namespace e2e
