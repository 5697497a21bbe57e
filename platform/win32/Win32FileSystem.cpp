#include <windows.h>
// shlwapi.h builds on the types windows.h declares.
#include <shlwapi.h>

#include "platform/win32/Win32System.h"

namespace win32 {

bool Win32FileSystem::PathExists(const char* path) {
  // Windows' 8-bit file functions take at most MAX_PATH characters with the terminating NUL;
  // Wine's take one more. Neither can start a program from a longer path, so such a path
  // counts as missing on both, and start-up refuses before it writes a command that the
  // shell could not run.
  const int characters = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
  if (characters == 0 || characters > MAX_PATH) return false;
  return ::PathFileExistsA(path) != FALSE;
}

}  // namespace win32
