#include "platform/win32/window/PopupMenu.h"

#include "dialog/Texts.h"
#include "platform/win32/window/ControlIds.h"
#include "platform/win32/window/Handles.h"

namespace win32 {

namespace {

UINT CheckFlag(bool checked) {
  return checked ? MF_CHECKED : MF_UNCHECKED;
}

}  // namespace

int ShowTargetPopup(HWND owner, POINT screen, PopupChecks checks) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return 0;
  AppendMenuW(menu.get(), MF_STRING | CheckFlag(checks.files), IDM_FILE, texts::kApplyToFiles);
  AppendMenuW(menu.get(), MF_STRING | CheckFlag(checks.folders), IDM_FOLDER,
              texts::kApplyToFolders);
  // Without the owner in the foreground the menu would not close when the user clicks
  // elsewhere.
  SetForegroundWindow(owner);
  const BOOL chosen =
      TrackPopupMenuEx(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD,
                       screen.x, screen.y, owner, nullptr);
  return static_cast<int>(chosen);
}

}  // namespace win32
