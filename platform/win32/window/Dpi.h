// Twips to pixels at the system DPI. The program declares itself system-DPI aware, so every
// window it creates is laid out once, at the DPI the desktop had when the user logged on.
#pragma once

#include <windows.h>

#include "platform/DialogWindow.h"

namespace win32 {

inline constexpr int kTwipsPerInch = 1440;

// The system DPI: GetDpiForSystem where the system has it, else the screen's LOGPIXELSX.
int SystemDpi();

// Rounds to the nearest pixel, as MulDiv does (15 twips per pixel at 96 DPI).
int TwipsToPixels(int twips, int dpi);

RECT TwipRectToPixels(const platform::TwipRect& twips, int dpi);

}  // namespace win32
