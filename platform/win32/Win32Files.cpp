#include <windows.h>
// shlwapi.h builds on the types windows.h declares.
#include <shlwapi.h>

#include "platform/win32/Win32System.h"

namespace win32 {

std::uint32_t Win32Profile::ReadProfileString(const char* section, const char* key,
                                              const char* defaultValue, char* buffer,
                                              std::uint32_t capacity, const char* file) {
  return ::GetPrivateProfileStringA(section, key, defaultValue, buffer, capacity, file);
}

bool Win32FileSystem::PathExists(const char* path) {
  return ::PathFileExistsA(path) != FALSE;
}

}  // namespace win32
