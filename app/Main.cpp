// Install.exe: the setup dialog over the real registry, settings file and window.
#include <windows.h>
// commctrl.h builds on the types windows.h declares.
#include <commctrl.h>

#include "SetupRunLock.h"
#include "dialog/Design.h"
#include "dialog/Fmain.h"
#include "platform/win32/SystemDllsOnly.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/window/SetupWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  win32::LoadDllsFromSystemOnly();
  app::SetupRunLock running;
  if (running.Take() == app::SetupRunLock::Start::kEnd) return 0;

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
