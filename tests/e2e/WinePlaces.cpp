#include "WinePlaces.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "HostPaths.h"
#include "Polling.h"

namespace e2e {

namespace {

constexpr DWORD kDriveTimeoutMs = 5000;

// The prefix as the host names it (/...).
std::string HostPrefix() {
  const char* prefix = std::getenv("WINEPREFIX");
  return prefix != nullptr ? prefix : "";
}

bool IsDirectory(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool MakeDirectory(const std::wstring& path) {
  return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// Starts the host's ln to make the prefix's link (a path below it) a symbolic link to target,
// replacing the link an earlier run left. Windows programs cannot make one under Wine; Wine
// starts host programs like its own, but gives no process to wait for: wait for the link.
bool StartHostLink(const std::wstring& target, const std::wstring& link, std::wstring* error) {
  const std::wstring arguments =
      L"ln -sfn \"" + target + L"\" \"" + Widen(HostPrefix()) + L"/" + link + L"\"";
  std::vector<wchar_t> commandLine(arguments.begin(), arguments.end());
  commandLine.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(L"Z:\\bin\\ln", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &started)) {
    *error = L"cannot start the host's ln: error " + std::to_wstring(GetLastError());
    return false;
  }
  for (HANDLE handle : {started.hThread, started.hProcess}) {
    if (handle != nullptr) CloseHandle(handle);
  }
  return true;
}

}  // namespace

bool UnderWine() {
  return !HostPrefix().empty();
}

bool ServeShare(const std::wstring& host, const std::wstring& share, std::wstring* error) {
  std::wstring level = WindowsPathOf(HostPrefix()) + L"\\dosdevices";
  for (const std::wstring& part : {std::wstring(L"unc"), host, share}) {
    level += L"\\" + part;
    if (!MakeDirectory(level)) {
      *error = L"cannot create " + level;
      return false;
    }
  }
  return true;
}

bool MapDrive(wchar_t letter, const std::string& folder, std::wstring* error) {
  const std::wstring target = L"C:\\" + Widen(folder);
  if (!MakeDirectory(target)) {
    *error = L"cannot create " + target;
    return false;
  }
  // Relative, like the link of drive C: itself.
  const wchar_t drive[] = {static_cast<wchar_t>(letter | 0x20), L':', L'\0'};
  if (!StartHostLink(L"../drive_c/" + Widen(folder), L"dosdevices/" + std::wstring(drive), error))
    return false;
  const std::wstring root = std::wstring(1, letter) + L":\\";
  if (!PollUntil(kDriveTimeoutMs, [&] { return IsDirectory(root); })) {
    *error =
        L"drive " + root + L" did not appear within " + std::to_wstring(kDriveTimeoutMs) + L" ms";
    return false;
  }
  return true;
}

bool LinkFolder(const std::wstring& link, const std::wstring& target, std::wstring* error) {
  if (!MakeDirectory(L"C:\\" + target)) {
    *error = L"cannot create C:\\" + target;
    return false;
  }
  if (!StartHostLink(target, L"drive_c/" + link, error)) return false;
  const std::wstring path = L"C:\\" + link;
  if (!PollUntil(kDriveTimeoutMs, [&] {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES &&
               (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
      })) {
    *error = path + L" did not become a link within " + std::to_wstring(kDriveTimeoutMs) + L" ms";
    return false;
  }
  return true;
}

}  // namespace e2e
