// The popup menus (window class #32768) that TrackPopupMenu shows for the installer.
#pragma once

#include <windows.h>

namespace e2e {

inline constexpr wchar_t kPopupMenuClass[] = L"#32768";

HWND WaitForPopupMenu(DWORD processId, DWORD timeoutMs);
// Chooses the item at position (0 = top) as the keyboard would: the menu loop reads the keys
// posted to its window from the thread's queue.
bool ChooseMenuItem(HWND menu, int position);
// Closes the menu without choosing.
bool DismissMenu(HWND menu);

}  // namespace e2e
