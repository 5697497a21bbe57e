// The select-all bar: a push button too narrow for any caption. It is owner-drawn so that its
// window text, which screen readers read as its name, is never drawn; it looks like the other
// buttons (themed where the system draws them themed) and shows the focus rectangle as they do.
#pragma once

#include <windows.h>

namespace win32 {

// Draws the button that WM_DRAWITEM names: face, pressed and disabled states, focus.
void DrawCaptionlessButton(const DRAWITEMSTRUCT& item);

}  // namespace win32
