// The Details popup: two check items, files and folders, shown under the Details button.
#pragma once

#include <windows.h>

namespace win32 {

struct PopupChecks {
  bool files = false;
  bool folders = false;
};

// Shows the popup with its top-left corner at the screen point and returns the command ID of
// the chosen item (IDM_FILE, IDM_FOLDER), or 0 when the menu closed without a choice.
int ShowTargetPopup(HWND owner, POINT screen, PopupChecks checks);

}  // namespace win32
