#include "RegistryImage.h"

#include <windows.h>

#include <iterator>
#include <vector>

#include "Staging.h"
#include "platform/win32/Handles.h"

namespace e2e {

namespace {

std::wstring DataText(DWORD type, const std::vector<BYTE>& data) {
  if (type == REG_SZ) {
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
  }
  static const wchar_t kHex[] = L"0123456789abcdef";
  std::wstring text = L"type " + std::to_wstring(type) + L":";
  for (BYTE byte : data) {
    text += L' ';
    text += kHex[byte >> 4];
    text += kHex[byte & 15];
  }
  return text;
}

KeyValues ReadValues(HKEY key, DWORD count, DWORD longestName, DWORD longestData) {
  KeyValues values;
  std::wstring name(longestName + 1, L'\0');
  std::vector<BYTE> data(longestData + sizeof(wchar_t));
  for (DWORD index = 0; index < count; ++index) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD dataSize = static_cast<DWORD>(data.size());
    DWORD type = 0;
    if (RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(),
                      &dataSize) != ERROR_SUCCESS)
      continue;
    values[name.substr(0, nameLength)] =
        DataText(type, std::vector<BYTE>(data.begin(), data.begin() + dataSize));
  }
  return values;
}

// Adds path and everything below it; a key that is not there adds nothing.
void ReadTree(const std::wstring& path, RegistryImage& image) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ | kExplorerView, &raw) !=
      ERROR_SUCCESS)
    return;
  win32::UniqueKey key(raw);
  DWORD subKeys = 0, longestSubKey = 0, values = 0, longestName = 0, longestData = 0;
  if (RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subKeys, &longestSubKey, nullptr,
                       &values, &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
    image[path][L"<unreadable>"] = L"";
    return;
  }
  image[path] = ReadValues(key.get(), values, longestName, longestData);
  std::vector<std::wstring> children;
  std::wstring name(longestSubKey + 1, L'\0');
  for (DWORD index = 0; index < subKeys; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    if (RegEnumKeyExW(key.get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) ==
        ERROR_SUCCESS)
      children.push_back(name.substr(0, length));
  }
  for (const std::wstring& child : children) ReadTree(path + L"\\" + child, image);
}

bool WriteKey(const std::wstring& path, const KeyValues& values) {
  HKEY raw = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE | kExplorerView, nullptr, &raw, nullptr) != ERROR_SUCCESS)
    return false;
  win32::UniqueKey key(raw);
  for (const auto& [name, text] : values) {
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()), bytes) != ERROR_SUCCESS)
      return false;
  }
  return true;
}

}  // namespace

RegistryImage ReadVerbImage() {
  RegistryImage image;
  for (VerbRoot root : kVerbRoots) {
    for (int entry = 1; entry <= kEntryCount; ++entry) ReadTree(VerbKeyPath(root, entry), image);
  }
  return image;
}

bool WriteImage(const RegistryImage& image) {
  // Paths sort parents before their children, though creating a child makes its parents too.
  for (const auto& [path, values] : image) {
    if (!WriteKey(path, values)) return false;
  }
  return true;
}

void AddVerb(RegistryImage& image, VerbRoot root, int entry, const std::wstring& title,
             const std::wstring& command) {
  image[VerbKeyPath(root, entry)] = {{L"", title}};
  image[CommandKeyPath(root, entry)] = {{L"", command}};
}

void RemoveVerb(RegistryImage& image, VerbRoot root, int entry) {
  const std::wstring verb = VerbKeyPath(root, entry);
  for (auto key = image.begin(); key != image.end();) {
    const bool below =
        key->first == verb || key->first.compare(0, verb.size() + 1, verb + L"\\") == 0;
    key = below ? image.erase(key) : std::next(key);
  }
}

RegistryImage InstalledImage(const std::wstring& appDir,
                             const std::array<std::wstring, 5>& titles) {
  RegistryImage image;
  for (VerbRoot root : kVerbRoots) {
    for (int entry = 1; entry <= kEntryCount; ++entry)
      AddVerb(image, root, entry, titles[entry - 1], CommandValue(appDir, entry));
  }
  return image;
}

}  // namespace e2e
