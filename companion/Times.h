// The companion's two kinds of time, kept apart by their names. A moment (FileTime) is what
// Windows gives for a process's start and for the system clock: 100-nanosecond ticks since
// 1601 (UTC). A wait (Milliseconds) is what Windows' timers and waits take.
#pragma once

#include <cstdint>

namespace companion {

using FileTime = std::uint64_t;
using Milliseconds = std::uint32_t;

// How much file time passes in `span`.
constexpr FileTime FileTimeSpan(Milliseconds span) {
  return static_cast<FileTime>(span) * 10000;
}

}  // namespace companion
