// The registry calls the program makes, at the level of the wide ("W") Win32 entry points:
// names are Unicode, and text data is UTF-16LE with its terminating NUL.
#pragma once

#include <cstdint>

namespace platform {

// An open key, or a predefined root key. Pointer-sized, like HKEY.
using KeyHandle = std::uintptr_t;
// A Win32 error code: 0 (ERROR_SUCCESS) is success, anything else a failure.
using Status = long;

constexpr Status kSuccess = 0;
constexpr Status kErrorFileNotFound = 2;
constexpr Status kErrorAccessDenied = 5;

constexpr std::uint32_t kKeyAllAccess = 0xF003F;
// Opens and creates in the 64-bit view of the registry, also from a 32-bit program under
// WoW64 (KEY_WOW64_64KEY). 32-bit Windows has one view and ignores it.
constexpr std::uint32_t kKeyWow64_64Key = 0x0100;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

// Predefined roots are 32-bit values that Windows sign-extends to pointer size
// (HKEY_CLASSES_ROOT is 0x80000000).
inline KeyHandle RootKeyHandle(std::uint32_t root) {
  return static_cast<KeyHandle>(static_cast<std::intptr_t>(static_cast<std::int32_t>(root)));
}

class Registry {
 public:
  virtual ~Registry() = default;

  virtual Status OpenKeyEx(KeyHandle parent, const wchar_t* subKey, std::uint32_t options,
                           std::uint32_t access, KeyHandle* result) = 0;
  // No security attributes are passed and the disposition is not reported.
  virtual Status CreateKeyEx(KeyHandle parent, const wchar_t* subKey, std::uint32_t reserved,
                             const wchar_t* keyClass, std::uint32_t options, std::uint32_t access,
                             KeyHandle* result) = 0;
  virtual Status SetValueEx(KeyHandle key, const wchar_t* valueName, std::uint32_t reserved,
                            std::uint32_t type, const std::uint8_t* data, std::uint32_t size) = 0;
  virtual Status DeleteKey(KeyHandle key, const wchar_t* subKey) = 0;
  virtual Status CloseKey(KeyHandle key) = 0;
};

}  // namespace platform
