#include "bench/probe/SetupRun.h"

#include <windows.h>

#include "bench/probe/Child.h"
#include "bench/probe/Stopwatch.h"
#include "platform/win32/window/WindowClasses.h"

namespace probe {

namespace {

constexpr DWORD kPatience = 30000;  // ms; Wine's first start of a program can be slow

// The message box's text: the one static control with text, read through the system's
// cross-process WM_GETTEXT.
BOOL CALLBACK CollectStaticText(HWND control, LPARAM context) {
  wchar_t className[32];
  if (GetClassNameW(control, className, 32) == 0 || lstrcmpiW(className, L"Static") != 0)
    return TRUE;
  wchar_t text[256] = L"";
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      kPatience, &copied);
  if (text[0] != L'\0') *reinterpret_cast<std::wstring*>(context) += text;
  return TRUE;
}

std::wstring MessageText(HWND box) {
  std::wstring text;
  EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
  return text;
}

}  // namespace

SetupRun RunSetup(const std::wstring& program, int buttonId) {
  SetupRun run;
  const Stopwatch whole;
  Child setup;
  if (!setup.Start(program)) {
    run.problem = L"CreateProcess failed";
    return run;
  }
  HWND dialog =
      WaitForVisibleWindow(setup.id(), VANTREL_WINDOW_CLASS, L"Vantrel [ Install ]", kPatience);
  if (dialog == nullptr) {
    run.problem = L"the dialog did not appear";
    return run;
  }
  HWND button = GetDlgItem(dialog, buttonId);
  if (button == nullptr || !IsWindowEnabled(button)) {
    run.problem = L"the button is missing or disabled";
    return run;
  }

  const Stopwatch click;
  PostMessageW(button, BM_CLICK, 0, 0);
  HWND box = WaitForVisibleWindow(setup.id(), L"#32770", L"Install", kPatience);
  run.clickToMessage = click.Milliseconds();
  if (box == nullptr) {
    run.problem = L"no message box after the click";
    return run;
  }
  // Both outcomes that count end in 成功しました (succeeded); the failure says 失敗.
  run.succeeded = MessageText(box).find(L"成功しました") != std::wstring::npos;

  const Stopwatch dismiss;
  PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  if (!setup.WaitForExit(kPatience)) {
    run.problem = L"the program did not end after its message";
    return run;
  }
  run.dismissToExit = dismiss.Milliseconds();
  run.wholeRun = whole.Milliseconds();
  return run;
}

}  // namespace probe
