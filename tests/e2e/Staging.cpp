#include "Staging.h"

#include <windows.h>

#include "BuildProducts.h"
#include "platform/win32/Handles.h"

namespace e2e {

namespace {

constexpr UINT kJapaneseCodePage = 932;

// Where the first level to create ends: after "C:\" for a drive, after the share of
// "\\host\share\", which exists or not but is never made here.
size_t FirstLevelEnd(const std::wstring& dir) {
  if (dir.compare(0, 2, L"\\\\") != 0) return dir.find(L'\\', 3);
  const size_t hostEnd = dir.find(L'\\', 2);
  const size_t shareEnd = hostEnd == std::wstring::npos ? hostEnd : dir.find(L'\\', hostEnd + 1);
  return shareEnd == std::wstring::npos ? shareEnd : dir.find(L'\\', shareEnd + 1);
}

// Each parent first: CreateDirectoryW makes one level at a time.
bool CreateDirectories(const std::wstring& dir) {
  for (size_t slash = FirstLevelEnd(dir); slash != std::wstring::npos;
       slash = dir.find(L'\\', slash + 1)) {
    const std::wstring level = dir.substr(0, slash);
    if (!CreateDirectoryW(level.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
      return false;
  }
  return true;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  win32::UniqueHandle file(win32::FromInvalid(CreateFileW(
      path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

std::string ToCodePage(const std::wstring& text, UINT codePage) {
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, &lossy);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length,
                      nullptr, &lossy);
  return lossy ? std::string() : bytes;
}

// The settings file as a Japanese system keeps it: code page 932, one section per entry.
std::string SettingsFileBytes() {
  std::wstring text;
  for (size_t i = 0; i < StagedTitles().size(); ++i) {
    text += L"[Menu" + std::to_wstring(i + 1) + L"]\r\nTitle=" + StagedTitles()[i] + L"\r\n\r\n";
  }
  return ToCodePage(text, kJapaneseCodePage);
}

bool RemoveIfPresent(const std::wstring& path) {
  return DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

bool PlaceCopy(bool wanted, const std::wstring& from, const std::wstring& to) {
  return wanted ? CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE : RemoveIfPresent(to);
}

}  // namespace

const std::array<std::wstring, 5>& StagedTitles() {
  // 表, ソ and 能 end in the byte 0x5C (a backslash) in code page 932: a title that survives
  // the trip through the settings file and the registry intact was never split at them.
  static const std::array<std::wstring, 5> titles = {
      L"ロング形式 名前付きでコピー",    L"ロング形式 位置をコピー",
      L"DOS形式 名前付きでコピー（表）", L"ソース位置をDOS形式でコピー",
      L"詳細情報をコピー・機能おまけ",
  };
  return titles;
}

bool StageSetup(const std::wstring& dir, const StageContents& contents, std::wstring* error) {
  if (!CreateDirectories(dir)) {
    *error = L"cannot create " + dir;
    return false;
  }
  if (!PlaceCopy(true, Products().installer, dir + contents.installerName)) {
    *error = L"cannot copy " + Products().installer;
    return false;
  }
  const std::wstring& companion =
      contents.realCompanion ? Products().realCompanion : Products().companion;
  if (!PlaceCopy(contents.companion, companion, dir + kCompanionName)) {
    *error = L"cannot place " + companion;
    return false;
  }
  const std::wstring settings = dir + kSettingsName;
  const bool settingsPlaced = !contents.settings ? RemoveIfPresent(settings)
                              : contents.shippedSettings
                                  ? PlaceCopy(true, Products().settings, settings)
                                  : WriteBytes(settings, SettingsFileBytes());
  if (!settingsPlaced) {
    *error = L"cannot write " + settings;
    return false;
  }
  if (!RemoveIfPresent(dir + kCompanionLogName)) {
    *error = L"cannot clear the companion's log in " + dir;
    return false;
  }
  return true;
}

std::vector<std::wstring> CompanionLog(const std::wstring& dir) {
  std::vector<std::wstring> lines;
  win32::UniqueHandle file(win32::FromInvalid(CreateFileW(
      (dir + kCompanionLogName).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
  if (!file) return lines;
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file.get(), chunk, sizeof(chunk), &read, nullptr) && read > 0)
    bytes.append(chunk, read);
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                      length);
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find(L"\r\n", start);
    lines.push_back(text.substr(start, end == std::wstring::npos ? end : end - start));
    if (end == std::wstring::npos) break;
    start = end + 2;
  }
  return lines;
}

}  // namespace e2e
