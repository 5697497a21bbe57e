// Waiting on another process: everything the driver waits for is polled with a deadline, so a
// window that never comes makes a test fail instead of hanging the run.
#pragma once

#include <windows.h>

namespace e2e {

// Long enough for a cold Wine start of the installer; short enough to keep a failing run brief.
inline constexpr DWORD kWindowTimeoutMs = 20000;
inline constexpr DWORD kExitTimeoutMs = 10000;
// How long a sent message may take before the target counts as hung.
inline constexpr UINT kSendTimeoutMs = 5000;

// Calls probe until it yields a value that tests true or the time is up; returns the last value.
template <typename Probe>
auto PollUntil(DWORD timeoutMs, Probe probe) -> decltype(probe()) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    auto value = probe();
    if (value || GetTickCount64() >= deadline) return value;
    Sleep(20);
  }
}

}  // namespace e2e
