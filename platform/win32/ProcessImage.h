// Which program file a process runs. A window's class and name can be taken by any program, so
// both programs look at the file behind a window before they hand it anything.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/Handles.h"
#include "platform/win32/TextBuffer.h"

namespace win32 {

// The full path of the program file process runs; empty when it cannot be told.
inline std::wstring ImagePathOf(HANDLE process) {
  return TextFromCall([process](wchar_t* buffer, std::size_t capacity) -> std::size_t {
    DWORD length = static_cast<DWORD>(capacity);
    if (QueryFullProcessImageNameW(process, 0, buffer, &length)) return length;
    return GetLastError() == ERROR_INSUFFICIENT_BUFFER ? capacity : 0;
  });
}

// Whether window belongs to a process that runs program, a path as ImagePathOf gives it (both
// sides through the same call, so that both name the file the same way). False when either
// cannot be told.
inline bool WindowRunsProgram(HWND window, const std::wstring& program) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (process == nullptr || program.empty()) return false;
  const std::wstring image = ImagePathOf(process.get());
  return CompareStringOrdinal(image.c_str(), static_cast<int>(image.size()), program.c_str(),
                              static_cast<int>(program.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace win32
