#include "CompanionProcess.h"

#include <windows.h>

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

}  // namespace

CompanionRun RunCompanion(const std::wstring& program, const std::wstring& arguments) {
  CompanionRun run;
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return run;
  }
  CloseHandle(process.hThread);
  const DWORD deadline = GetTickCount() + 60000;
  while (WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT) {
    if (GetTickCount() > deadline) {
      TerminateProcess(process.hProcess, 0xDEAD);
      break;
    }
    BoxSearch search = {process.dwProcessId, nullptr};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.box == nullptr) continue;
    if (!run.messageShown) {
      EnumChildWindows(search.box, CollectStaticText, reinterpret_cast<LPARAM>(&run.message));
      run.messageShown = true;
    }
    PostMessageW(search.box, WM_CLOSE, 0, 0);
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  run.exitCode = code;
  CloseHandle(process.hProcess);
  return run;
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
