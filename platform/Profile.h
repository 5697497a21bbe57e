// Reading profile (INI) files, at the level of GetPrivateProfileStringA. (The methods here
// avoid the names of Win32 functions, which windows.h turns into macros.)
#pragma once

#include <cstdint>

namespace platform {

class Profile {
 public:
  virtual ~Profile() = default;

  // Copies at most capacity-1 bytes of the value (or of the default) and a NUL into buffer;
  // returns the number of bytes copied, without the NUL.
  virtual std::uint32_t ReadProfileString(const char* section, const char* key,
                                          const char* defaultValue, char* buffer,
                                          std::uint32_t capacity, const char* file) = 0;
};

}  // namespace platform
