#include "platform/win32/window/PopupMenu.h"

#include "platform/win32/Handles.h"

namespace win32 {

namespace {

UINT CheckFlag(bool checked) {
  return checked ? MF_CHECKED : MF_UNCHECKED;
}

}  // namespace

int ShowTargetPopup(HWND owner, POINT screen, const PopupItems& items) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return 0;
  AppendMenuW(menu.get(), MF_STRING | CheckFlag(items.filesChecked), kFilesItemId,
              items.filesCaption);
  AppendMenuW(menu.get(), MF_STRING | CheckFlag(items.foldersChecked), kFoldersItemId,
              items.foldersCaption);
  // Without the owner in the foreground the menu would not close when the user clicks
  // elsewhere.
  SetForegroundWindow(owner);
  const BOOL chosen =
      TrackPopupMenuEx(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD,
                       screen.x, screen.y, owner, nullptr);
  return static_cast<int>(chosen);
}

}  // namespace win32
