#include "DirectoryListing.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "platform/win32/Handles.h"

namespace e2e {

namespace {

// Calls visit for every entry of dir but "." and ".."; false when dir cannot be read.
bool ForEachEntry(const std::wstring& dir,
                  const std::function<void(const WIN32_FIND_DATAW&)>& visit) {
  WIN32_FIND_DATAW found{};
  const win32::UniqueFind search(win32::FromInvalid(FindFirstFileW((dir + L"*").c_str(), &found)));
  if (!search) return false;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") visit(found);
  } while (FindNextFileW(search.get(), &found));
  return true;
}

bool SetReadOnlyBit(const std::wstring& path, bool readOnly) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  const DWORD wanted = readOnly ? attributes | FILE_ATTRIBUTE_READONLY
                                : attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
  return SetFileAttributesW(path.c_str(), wanted) != FALSE;
}

}  // namespace

std::vector<std::wstring> ListDirectory(const std::wstring& dir) {
  std::vector<std::wstring> lines;
  const bool read = ForEachEntry(dir, [&](const WIN32_FIND_DATAW& entry) {
    const ULONGLONG size = (static_cast<ULONGLONG>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
    const ULONGLONG written = (static_cast<ULONGLONG>(entry.ftLastWriteTime.dwHighDateTime) << 32) |
                              entry.ftLastWriteTime.dwLowDateTime;
    lines.push_back(std::wstring(entry.cFileName) + L" attributes " +
                    std::to_wstring(entry.dwFileAttributes) + L" size " + std::to_wstring(size) +
                    L" written " + std::to_wstring(written));
  });
  if (!read) lines.push_back(L"<" + dir + L" cannot be read>");
  std::sort(lines.begin(), lines.end());
  return lines;
}

bool MarkReadOnly(const std::wstring& dir, bool readOnly) {
  bool marked = true;
  const bool read = ForEachEntry(dir, [&](const WIN32_FIND_DATAW& entry) {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
      marked = SetReadOnlyBit(dir + entry.cFileName, readOnly) && marked;
  });
  return read && marked && SetReadOnlyBit(dir, readOnly);
}

bool FilesReadOnly(const std::wstring& dir) {
  bool all = true;
  const bool read = ForEachEntry(dir, [&](const WIN32_FIND_DATAW& entry) {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
      all = all && (entry.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  });
  return read && all;
}

}  // namespace e2e
