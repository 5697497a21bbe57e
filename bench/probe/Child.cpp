#include "bench/probe/Child.h"

#include <vector>

#include "bench/probe/Stopwatch.h"

namespace probe {

namespace {

std::wstring ClassNameOf(HWND window) {
  wchar_t name[128];
  const int length = GetClassNameW(window, name, 128);
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring CaptionOf(HWND window) {
  wchar_t text[256];
  const int length = GetWindowTextW(window, text, 256);
  return std::wstring(text, length > 0 ? static_cast<size_t>(length) : 0);
}

struct Search {
  DWORD processId;
  const wchar_t* className;
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK StopAtMatch(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
  if (ClassNameOf(window) != search.className) return TRUE;
  if (search.caption != nullptr && CaptionOf(window) != search.caption) return TRUE;
  search.found = window;
  return FALSE;
}

BOOL CALLBACK PostClose(HWND window, LPARAM processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == static_cast<DWORD>(processId)) PostMessageW(window, WM_CLOSE, 0, 0);
  return TRUE;
}

}  // namespace

Child::~Child() {
  if (process_ == nullptr) return;
  if (!WaitForExit(0)) TerminateProcess(process_, 1);
  CloseHandle(process_);
}

bool Child::Start(const std::wstring& program) {
  const size_t slash = program.find_last_of(L"\\/");
  const std::wstring directory = slash == std::wstring::npos ? L"." : program.substr(0, slash);
  std::vector<wchar_t> commandLine(program.begin(), program.end());
  commandLine.insert(commandLine.begin(), L'"');
  commandLine.push_back(L'"');
  commandLine.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.c_str(), &startup, &started))
    return false;
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  id_ = started.dwProcessId;
  return true;
}

bool Child::WaitForExit(DWORD milliseconds) const {
  return process_ == nullptr || WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
}

bool Child::Close(DWORD milliseconds) {
  if (process_ == nullptr || WaitForExit(0)) return true;
  EnumWindows(PostClose, static_cast<LPARAM>(id_));
  if (WaitForExit(milliseconds)) return true;
  TerminateProcess(process_, 1);
  WaitForExit(milliseconds);
  return false;
}

HWND FindVisibleWindow(DWORD processId, const wchar_t* className, const wchar_t* caption) {
  Search search{processId, className, caption, nullptr};
  EnumWindows(StopAtMatch, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForVisibleWindow(DWORD processId, const wchar_t* className, const wchar_t* caption,
                          DWORD milliseconds) {
  const Stopwatch waited;
  for (;;) {
    if (HWND window = FindVisibleWindow(processId, className, caption)) return window;
    if (waited.Milliseconds() > milliseconds) return nullptr;
    Sleep(1);
  }
}

}  // namespace probe
