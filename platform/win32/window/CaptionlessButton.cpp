#include "platform/win32/window/CaptionlessButton.h"

#include <uxtheme.h>
#include <vssym32.h>

namespace win32 {

void DrawCaptionlessButton(const DRAWITEMSTRUCT& item) {
  const HDC dc = item.hDC;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  RECT inside = item.rcItem;
  if (HTHEME theme = OpenThemeData(item.hwndItem, L"Button")) {
    const int state = disabled ? PBS_DISABLED : pressed ? PBS_PRESSED : PBS_NORMAL;
    if (IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, state)) {
      RECT behind = item.rcItem;
      DrawThemeParentBackground(item.hwndItem, dc, &behind);
    }
    DrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &item.rcItem, nullptr);
    GetThemeBackgroundContentRect(theme, dc, BP_PUSHBUTTON, state, &item.rcItem, &inside);
    CloseThemeData(theme);
  } else {
    DrawFrameControl(
        dc, &inside, DFC_BUTTON,
        DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
    InflateRect(&inside, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  }
  // Hidden while the user has not used the keyboard, where the system hides focus cues.
  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    InflateRect(&inside, -1, -1);
    DrawFocusRect(dc, &inside);
  }
}

}  // namespace win32
