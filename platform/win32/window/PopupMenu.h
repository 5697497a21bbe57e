// The Details popup: two check items, files and folders, shown under the Details button.
#pragma once

#include <windows.h>

namespace win32 {

// Command IDs of the popup's items.
inline constexpr int kFilesItemId = 201;    // m_File
inline constexpr int kFoldersItemId = 202;  // m_Fol

struct PopupItems {
  const wchar_t* filesCaption;
  const wchar_t* foldersCaption;
  bool filesChecked = false;
  bool foldersChecked = false;
};

// Shows the popup with its top-left corner at the screen point and returns the command ID of
// the chosen item (kFilesItemId, kFoldersItemId), or 0 when the menu closed without a choice.
int ShowTargetPopup(HWND owner, POINT screen, const PopupItems& items);

}  // namespace win32
