// Install.exe: the setup dialog over the real registry, settings file and window.
#include <windows.h>
// commctrl.h builds on the types windows.h declares.
#include <commctrl.h>

#include "dialog/Design.h"
#include "dialog/Fmain.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/window/SetupWindow.h"
#include "platform/win32/window/WindowClasses.h"

namespace {

// Held while a setup runs in this session. Two dialogs side by side would each act on the
// registry as they found it at their own start, so the later one would undo the other's work.
constexpr wchar_t kSetupRunningMutex[] = L"Local\\VantrelInstallSetup";

// The running setup's dialog, once it has been shown; a hidden one is still starting or
// already closing.
HWND VisibleSetupWindow() {
  for (HWND window = FindWindowExW(nullptr, nullptr, VANTREL_WINDOW_CLASS, nullptr);
       window != nullptr; window = FindWindowExW(nullptr, window, VANTREL_WINDOW_CLASS, nullptr)) {
    if (IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// Hands the user the dialog that is already open, or the message box it is showing.
void BringRunningSetupForward() {
  HWND window = VisibleSetupWindow();
  if (window == nullptr) return;
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(GetLastActivePopup(window));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // A failed create leaves the start unguarded rather than refusing it.
  const win32::UniqueHandle running(CreateMutexW(nullptr, FALSE, kSetupRunningMutex));
  if (running != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
    BringRunningSetupForward();
    return 0;
  }

  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  win32::Win32System system;
  win32::SetupWindow window(design::SetupDialog());
  if (!window.Create(instance)) return 1;
  Fmain dialog(window, system.get());
  window.SetEvents(dialog);
  // A refusal has been reported and the window closed: it is never shown.
  if (!dialog.Form_Load()) return dialog.ExitCode();
  window.Show();
  window.RunMessageLoop();
  return dialog.ExitCode();
}
