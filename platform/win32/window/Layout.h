// How each kind of control in the dialog's design becomes a Win32 control.
#pragma once

#include <windows.h>

#include "platform/DialogDesign.h"

namespace win32 {

struct ControlClass {
  const wchar_t* windowClass;
  DWORD style;  // besides WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS
  DWORD exStyle;
};

ControlClass ClassOf(platform::ControlKind kind);

}  // namespace win32
