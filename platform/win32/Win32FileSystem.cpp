#include <windows.h>
// shlwapi.h builds on the types windows.h declares.
#include <shlwapi.h>

#include <cwchar>

#include "platform/win32/Win32System.h"

namespace win32 {

bool Win32FileSystem::PathExists(const wchar_t* path) {
  // No program starts from a path of MAX_PATH characters or more with its terminating NUL,
  // whatever PathFileExistsW would say of it (Windows' answers false, Wine's takes one more):
  // such a path counts as missing, and start-up refuses before it writes a command that the
  // shell could not run.
  if (std::wcslen(path) + 1 > MAX_PATH) return false;
  return ::PathFileExistsW(path) != FALSE;
}

}  // namespace win32
