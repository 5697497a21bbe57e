#include <windows.h>

#include "platform/win32/Win32System.h"

namespace win32 {

std::uint32_t Win32Profile::ReadProfileString(const wchar_t* section, const wchar_t* key,
                                              const wchar_t* defaultValue, wchar_t* buffer,
                                              std::uint32_t capacity, const wchar_t* file) {
  return ::GetPrivateProfileStringW(section, key, defaultValue, buffer, capacity, file);
}

}  // namespace win32
