// The moments the companion reads from Windows, as FileTime (companion/Times.h).
#pragma once

#include <windows.h>

#include "companion/Times.h"

namespace companion::win32 {

inline FileTime FileTimeOf(const FILETIME& time) {
  return (static_cast<FileTime>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The system clock now.
inline FileTime Now() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return FileTimeOf(now);
}

// When Windows started this process: what tells the use of the menu its item belongs to.
inline FileTime ThisProcessStart() {
  FILETIME created{}, exited{}, kernel{}, user{};
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  return FileTimeOf(created);
}

}  // namespace companion::win32
