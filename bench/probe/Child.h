// A program started for one measurement, and the windows it shows.
#pragma once

#include <windows.h>

#include <string>

namespace probe {

// Owns the process; a child still running when this goes is ended.
class Child {
 public:
  Child() = default;
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child();

  // Starts the program in its own directory; false when CreateProcess fails.
  bool Start(const std::wstring& program);
  // Waits up to `milliseconds` for the process to end; true when it has.
  bool WaitForExit(DWORD milliseconds) const;
  // Asks its top-level windows to close, then waits; ends it when it does not go in time.
  // True when it ended by itself.
  bool Close(DWORD milliseconds);
  DWORD id() const { return id_; }

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// The first visible top-level window of the process with that class (and caption, when one
// is given); nullptr while there is none.
HWND FindVisibleWindow(DWORD processId, const wchar_t* className, const wchar_t* caption);

// Polls every millisecond for such a window, up to `milliseconds`; nullptr when none came.
HWND WaitForVisibleWindow(DWORD processId, const wchar_t* className, const wchar_t* caption,
                          DWORD milliseconds);

}  // namespace probe
