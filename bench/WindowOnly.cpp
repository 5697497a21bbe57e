// The setup's own window, filled as a first start fills it, with nothing behind it: no
// registry, settings file or file check. Timed beside Install.exe and the minimal window, it
// separates what creating and showing the dialog's controls costs from what the setup's
// start-up work adds on top.
#include <windows.h>
// commctrl.h builds on the types windows.h declares.
#include <commctrl.h>

#include "dialog/Design.h"
#include "platform/win32/window/SetupWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  win32::SetupWindow window(design::SetupDialog());
  if (!window.Create(instance)) return 1;
  const wchar_t* const titles[] = {L"パス名をコピー", L"場所をコピー", L"DOS形式のパス名をコピー",
                                   L"DOS形式の場所をコピー", L"詳細情報をコピー"};
  int row = 0;
  for (const wchar_t* title : titles) {
    window.AddRow(row, title);
    window.SetRowData(row, 3);
    window.SetRowChecked(row, true);
    ++row;
  }
  window.SetButtonEnabled(platform::Button::Uninstall, false);
  window.SetHintCaption(L" ");
  window.Show();
  return window.RunMessageLoop();
}
