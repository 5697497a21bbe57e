#include "ShellVerbs.h"

#include "platform/win32/Handles.h"

namespace e2e {

namespace {

bool SetDefaultText(const std::wstring& path, const std::wstring& text) {
  HKEY raw = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE | kExplorerView, nullptr, &raw, nullptr) != ERROR_SUCCESS)
    return false;
  win32::UniqueKey key(raw);
  const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        bytes) == ERROR_SUCCESS;
}

}  // namespace

std::wstring VerbKeyPath(VerbRoot root, int entry) {
  return std::wstring(root == VerbRoot::Files ? L"*" : L"Folder") + L"\\shell\\Vantrel" +
         std::to_wstring(entry);
}

std::wstring CommandKeyPath(VerbRoot root, int entry) {
  return VerbKeyPath(root, entry) + L"\\command";
}

std::wstring CommandValue(const std::wstring& appDir, int entry) {
  std::wstring program;
  for (wchar_t c : appDir + L"Vantrel.Dll") {
    program += c;
    if (c == L'%') program += L'%';
  }
  return L"\"" + program + L"\" " + std::to_wstring(entry) + L" \"%1\"";
}

bool ClassesKeyExists(const std::wstring& path) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ | kExplorerView, &raw) !=
      ERROR_SUCCESS)
    return false;
  win32::UniqueKey key(raw);
  return true;
}

std::optional<std::wstring> DefaultText(const std::wstring& path) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_QUERY_VALUE | kExplorerView, &raw) !=
      ERROR_SUCCESS)
    return std::nullopt;
  win32::UniqueKey key(raw);
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(key.get(), nullptr, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
      type != REG_SZ)
    return std::nullopt;
  std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                       &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  text.resize(bytes / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

bool IsNonVolatile(const std::wstring& path) {
  const std::wstring probe = path + L"\\VantrelE2eProbe";
  HKEY raw = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, probe.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | kExplorerView, nullptr, &raw, nullptr) != ERROR_SUCCESS)
    return false;
  RegCloseKey(raw);
  return RegDeleteKeyExW(HKEY_CLASSES_ROOT, probe.c_str(), kExplorerView, 0) == ERROR_SUCCESS;
}

void RemoveClassesTree(const std::wstring& path) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_ALL_ACCESS | kExplorerView, &raw) ==
      ERROR_SUCCESS)
    RegDeleteTreeW(win32::UniqueKey(raw).get(), nullptr);
  RegDeleteKeyExW(HKEY_CLASSES_ROOT, path.c_str(), kExplorerView, 0);
}

bool RemoveAllVerbs() {
  bool allGone = true;
  for (VerbRoot root : kVerbRoots) {
    for (int entry = 1; entry <= kEntryCount; ++entry) {
      const std::wstring path = VerbKeyPath(root, entry);
      RemoveClassesTree(path);
      allGone = allGone && !ClassesKeyExists(path);
    }
  }
  return allGone;
}

bool WriteVerb(VerbRoot root, int entry, const std::wstring& title, const std::wstring& command) {
  return SetDefaultText(VerbKeyPath(root, entry), title) &&
         SetDefaultText(CommandKeyPath(root, entry), command);
}

bool SetDesktopLogPixels(DWORD dpi) {
  HKEY raw = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &raw,
                      nullptr) != ERROR_SUCCESS)
    return false;
  win32::UniqueKey key(raw);
  return RegSetValueExW(key.get(), L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                        sizeof(dpi)) == ERROR_SUCCESS;
}

}  // namespace e2e
