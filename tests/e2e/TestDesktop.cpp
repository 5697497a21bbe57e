#include "TestDesktop.h"

#include <windows.h>

#include "platform/win32/Handles.h"

namespace e2e {

bool UseUnmanagedWindows() {
  HKEY raw = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &raw,
                      nullptr) != ERROR_SUCCESS)
    return false;
  win32::UniqueKey key(raw);
  static const wchar_t kNo[] = L"N";
  return RegSetValueExW(key.get(), L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(kNo),
                        sizeof(kNo)) == ERROR_SUCCESS;
}

}  // namespace e2e
