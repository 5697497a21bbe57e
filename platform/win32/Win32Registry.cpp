#include <windows.h>

#include "platform/win32/Win32System.h"

namespace win32 {
namespace {

HKEY ToHkey(platform::KeyHandle key) {
  return reinterpret_cast<HKEY>(key);
}

}  // namespace

platform::Status Win32Registry::OpenKeyEx(platform::KeyHandle parent, const char* subKey,
                                          std::uint32_t options, std::uint32_t access,
                                          platform::KeyHandle* result) {
  HKEY opened = nullptr;
  const LSTATUS status = RegOpenKeyExA(ToHkey(parent), subKey, options, access, &opened);
  *result = reinterpret_cast<platform::KeyHandle>(opened);
  return status;
}

platform::Status Win32Registry::CreateKeyEx(platform::KeyHandle parent, const char* subKey,
                                            std::uint32_t reserved, const char* keyClass,
                                            std::uint32_t options, std::uint32_t access,
                                            platform::KeyHandle* result) {
  HKEY created = nullptr;
  const LSTATUS status =
      RegCreateKeyExA(ToHkey(parent), subKey, reserved, const_cast<char*>(keyClass), options,
                      access, nullptr, &created, nullptr);
  *result = reinterpret_cast<platform::KeyHandle>(created);
  return status;
}

platform::Status Win32Registry::SetValueEx(platform::KeyHandle key, const char* valueName,
                                           std::uint32_t reserved, std::uint32_t type,
                                           const std::uint8_t* data, std::uint32_t size) {
  return RegSetValueExA(ToHkey(key), valueName, reserved, type, data, size);
}

platform::Status Win32Registry::DeleteKey(platform::KeyHandle key, const char* subKey) {
  return RegDeleteKeyA(ToHkey(key), subKey);
}

platform::Status Win32Registry::CloseKey(platform::KeyHandle key) {
  return RegCloseKey(ToHkey(key));
}

}  // namespace win32
