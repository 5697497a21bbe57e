#include <windows.h>

#include "platform/win32/Win32System.h"

namespace win32 {
namespace {

HKEY ToHkey(platform::KeyHandle key) {
  return reinterpret_cast<HKEY>(key);
}

}  // namespace

platform::Status Win32Registry::OpenKeyEx(platform::KeyHandle parent, const wchar_t* subKey,
                                          std::uint32_t options, std::uint32_t access,
                                          platform::KeyHandle* result) {
  HKEY opened = nullptr;
  const LSTATUS status = RegOpenKeyExW(ToHkey(parent), subKey, options, access, &opened);
  *result = reinterpret_cast<platform::KeyHandle>(opened);
  return status;
}

platform::Status Win32Registry::CreateKeyEx(platform::KeyHandle parent, const wchar_t* subKey,
                                            std::uint32_t reserved, const wchar_t* keyClass,
                                            std::uint32_t options, std::uint32_t access,
                                            platform::KeyHandle* result) {
  HKEY created = nullptr;
  const LSTATUS status =
      RegCreateKeyExW(ToHkey(parent), subKey, reserved, const_cast<wchar_t*>(keyClass), options,
                      access, nullptr, &created, nullptr);
  *result = reinterpret_cast<platform::KeyHandle>(created);
  return status;
}

platform::Status Win32Registry::SetValueEx(platform::KeyHandle key, const wchar_t* valueName,
                                           std::uint32_t reserved, std::uint32_t type,
                                           const std::uint8_t* data, std::uint32_t size) {
  return RegSetValueExW(ToHkey(key), valueName, reserved, type, data, size);
}

platform::Status Win32Registry::DeleteKey(platform::KeyHandle key, const wchar_t* subKey) {
  return RegDeleteKeyW(ToHkey(key), subKey);
}

platform::Status Win32Registry::CloseKey(platform::KeyHandle key) {
  return RegCloseKey(ToHkey(key));
}

}  // namespace win32
