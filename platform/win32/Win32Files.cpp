#include <windows.h>
// shlwapi.h builds on the types windows.h declares.
#include <shlwapi.h>

#include "platform/win32/Win32System.h"

namespace win32 {

std::uint32_t Win32Profile::ReadProfileString(const char* section, const char* key,
                                              const char* defaultValue, char* buffer,
                                              std::uint32_t capacity, const char* file) {
  // Qualified: windows.h turns the member's own name into GetPrivateProfileStringA.
  return ::GetPrivateProfileStringA(section, key, defaultValue, buffer, capacity, file);
}

bool Win32FileSystem::PathExists(const char* path) {
  // Qualified: shlwapi.h turns the member's own name into PathFileExistsA.
  return ::PathFileExistsA(path) != FALSE;
}

}  // namespace win32
