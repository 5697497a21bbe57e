#include "CompanionProcess.h"

#include <windows.h>

#include "platform/win32/Handles.h"

namespace test {
namespace {

std::wstring g_companionPath;

std::wstring TextOf(HWND window) {
  wchar_t buffer[1024] = L"";
  DWORD_PTR copied = 0;
  // A message, not GetWindowText: the control belongs to another process.
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK, 2000,
                      &copied);
  return buffer;
}

struct BoxSearch {
  DWORD processId;
  HWND box;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  BoxSearch* search = reinterpret_cast<BoxSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t caption[64] = L"";
  GetWindowTextW(window, caption, 64);
  if (owner == search->processId && IsWindowVisible(window) &&
      std::wstring(caption) == L"Vantrel") {
    search->box = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM param) {
  wchar_t className[32] = L"";
  GetClassNameW(child, className, 32);
  if (lstrcmpiW(className, L"Static") == 0) {
    std::wstring text = TextOf(child);
    std::wstring* message = reinterpret_cast<std::wstring*>(param);
    if (!text.empty()) *message += text;
  }
  return TRUE;
}

// Handles the test's own windows' messages for a moment.
void PumpMessages() {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

}  // namespace

CompanionRun RunCompanion(const std::wstring& program, const std::wstring& arguments) {
  return RunCompanionsTogether(program, {arguments}).front();
}

std::vector<CompanionRun> RunCompanionsTogether(const std::wstring& program,
                                                const std::vector<std::wstring>& arguments,
                                                unsigned long* lastStartToEndMs,
                                                unsigned long lastStartDelayMs) {
  std::vector<CompanionRun> runs(arguments.size());
  std::vector<::win32::UniqueHandle> processes;
  std::vector<DWORD> ids;
  const DWORD firstStart = GetTickCount();
  for (const std::wstring& argument : arguments) {
    while (&argument == &arguments.back() && GetTickCount() - firstStart < lastStartDelayMs) {
      PumpMessages();
    }
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!argument.empty()) commandLine += L" " + argument;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const bool started = CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                                        0, nullptr, nullptr, &startup, &process) != FALSE;
    if (started) CloseHandle(process.hThread);
    processes.emplace_back(started ? process.hProcess : nullptr);
    ids.push_back(started ? process.dwProcessId : 0);
  }
  const DWORD lastStart = GetTickCount();
  DWORD lastEnd = lastStart;
  const DWORD deadline = lastStart + 60000;
  for (bool running = true; running;) {
    running = false;
    for (std::size_t i = 0; i < processes.size(); ++i) {
      if (!processes[i] || WaitForSingleObject(processes[i].get(), 0) != WAIT_TIMEOUT) continue;
      running = true;
      if (GetTickCount() > deadline) TerminateProcess(processes[i].get(), 0xDEAD);
      BoxSearch search = {ids[i], nullptr};
      EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
      if (search.box == nullptr) continue;
      if (!runs[i].messageShown) {
        EnumChildWindows(search.box, CollectStaticText, reinterpret_cast<LPARAM>(&runs[i].message));
        runs[i].messageShown = true;
      }
      PostMessageW(search.box, WM_CLOSE, 0, 0);
    }
    if (running) {
      lastEnd = GetTickCount();
      PumpMessages();
    }
  }
  for (std::size_t i = 0; i < processes.size(); ++i) {
    DWORD code = 0;
    if (processes[i] && GetExitCodeProcess(processes[i].get(), &code)) runs[i].exitCode = code;
  }
  if (lastStartToEndMs != nullptr) *lastStartToEndMs = lastEnd - lastStart + 20;
  return runs;
}

void SetCompanionPath(const std::wstring& path) {
  g_companionPath = path;
}
const std::wstring& CompanionPath() {
  return g_companionPath;
}

std::wstring WindowsPathOf(const char* path) {
  std::wstring result;
  if (path[0] == '/') result = L"Z:";
  for (const char* c = path; *c != '\0'; ++c) {
    result += *c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*c));
  }
  return result;
}

}  // namespace test
