#include <windows.h>

#include "platform/win32/Win32System.h"

namespace win32 {

std::uint32_t Win32Profile::ReadProfileString(const char* section, const char* key,
                                              const char* defaultValue, char* buffer,
                                              std::uint32_t capacity, const char* file) {
  return ::GetPrivateProfileStringA(section, key, defaultValue, buffer, capacity, file);
}

}  // namespace win32
