#include "TestDesktop.h"

#include <windows.h>

#include "platform/win32/Handles.h"

namespace e2e {

bool UseManagedWindows(bool managed) {
  HKEY raw = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &raw,
                      nullptr) != ERROR_SUCCESS)
    return false;
  win32::UniqueKey key(raw);
  const wchar_t value[] = {managed ? L'Y' : L'N', L'\0'};
  return RegSetValueExW(key.get(), L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                        sizeof(value)) == ERROR_SUCCESS;
}

}  // namespace e2e
