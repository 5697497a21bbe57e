// Reading profile (INI) files, at the level of GetPrivateProfileStringW, which reads a file
// that starts with a UTF-16LE byte-order mark as UTF-16 and any other in the system's 8-bit code
// page. (The methods here avoid the names of Win32 functions, which windows.h turns into
// macros.)
#pragma once

#include <cstdint>

namespace platform {

class Profile {
 public:
  virtual ~Profile() = default;

  // Copies at most capacity-1 characters of the value (or of the default) and a NUL into
  // buffer; returns the number of characters copied, without the NUL.
  virtual std::uint32_t ReadProfileString(const wchar_t* section, const wchar_t* key,
                                          const wchar_t* defaultValue, wchar_t* buffer,
                                          std::uint32_t capacity, const wchar_t* file) = 0;
};

}  // namespace platform
