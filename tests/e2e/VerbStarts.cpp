#include "VerbStarts.h"

#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <vector>

#include "Polling.h"
#include "platform/win32/Handles.h"

namespace e2e {

namespace {

// The programs the verbs start end with 0 once they have done their work.
bool WaitForEnd(HANDLE process, const std::wstring& what, std::wstring* error) {
  if (WaitForSingleObject(process, kExitTimeoutMs) != WAIT_OBJECT_0) {
    *error = what + L" did not end within " + std::to_wstring(kExitTimeoutMs) + L" ms";
    return false;
  }
  DWORD code = 0;
  if (!GetExitCodeProcess(process, &code) || code != 0) {
    *error = what + L" ended with " + std::to_wstring(code);
    return false;
  }
  return true;
}

}  // namespace

bool StartFolderVerb(const std::wstring& verb, const std::wstring& folder, std::wstring* error) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = verb.c_str();
  info.lpFile = folder.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&info)) {
    *error = L"verb " + verb + L" on " + folder + L": error " + std::to_wstring(GetLastError());
    return false;
  }
  win32::UniqueHandle started(info.hProcess);
  if (started == nullptr) {
    *error = L"verb " + verb + L" on " + folder + L" started no process";
    return false;
  }
  return WaitForEnd(started.get(), L"verb " + verb, error);
}

std::wstring ExpandForItem(const std::wstring& command, const std::wstring& item) {
  std::wstring expanded;
  for (size_t i = 0; i < command.size(); ++i) {
    const wchar_t next = i + 1 < command.size() ? command[i + 1] : L'\0';
    if (command[i] == L'%' && next == L'1') {
      expanded += item;
      ++i;
    } else if (command[i] == L'%' && next == L'%') {
      expanded += L'%';
      ++i;
    } else {
      expanded += command[i];
    }
  }
  return expanded;
}

bool RunCommandLine(const std::wstring& commandLine, std::wstring* error) {
  // CreateProcessW may write to the command line it is given, so it gets its own copy.
  std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
  writable.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\",
                      &startup, &started)) {
    *error = L"error " + std::to_wstring(GetLastError()) + L" starting " + commandLine;
    return false;
  }
  win32::UniqueHandle thread(started.hThread);
  win32::UniqueHandle process(started.hProcess);
  return WaitForEnd(process.get(), commandLine, error);
}

}  // namespace e2e
