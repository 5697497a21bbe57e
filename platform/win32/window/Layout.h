// The setup window's controls: one table, in tab order, that creates them, places them and
// gives each its context-help topic.
#pragma once

#include <windows.h>

#include "platform/DialogWindow.h"

namespace win32 {

// The client area of the window, in twips.
inline constexpr int kClientWidthTwips = 4080;
inline constexpr int kClientHeightTwips = 3150;

struct ControlSpec {
  int id;
  const wchar_t* windowClass;
  const wchar_t* caption;
  DWORD style;  // besides WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS
  DWORD exStyle;
  platform::TwipRect bounds;
  // The control whose top-left corner bounds are relative to; 0: the client area.
  int relativeTo;
  int helpTopic;
};

// Every control, in tab order; creating them in this order also gives the Z order.
const ControlSpec* Controls();
int ControlCount();

// nullptr when no control has that ID.
const ControlSpec* FindControl(int id);

// The control's bounds relative to the client area.
platform::TwipRect ClientBounds(const ControlSpec& control);

// The button's control ID.
int ButtonId(platform::Button button);

}  // namespace win32
