#include "PopupMenus.h"

#include "WindowLookup.h"

namespace e2e {

namespace {

bool PostKey(HWND window, WPARAM key) {
  return PostMessageW(window, WM_KEYDOWN, key, 1) &&
         PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

}  // namespace

HWND WaitForPopupMenu(DWORD processId, DWORD timeoutMs) {
  return WaitForTopLevel(processId, kPopupMenuClass, nullptr, timeoutMs);
}

bool ChooseMenuItem(HWND menu, int position) {
  // The menu opens with nothing highlighted: the first Down reaches the top item.
  for (int step = 0; step <= position; ++step) {
    if (!PostKey(menu, VK_DOWN)) return false;
  }
  return PostKey(menu, VK_RETURN);
}

bool DismissMenu(HWND menu) {
  return PostKey(menu, VK_ESCAPE);
}

}  // namespace e2e
