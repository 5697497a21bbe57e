#include "platform/win32/window/Dpi.h"

#include "platform/win32/Handles.h"

namespace win32 {

int SystemDpi() {
  // GetDpiForSystem exists from Windows 10 1607 on; older systems report the same figure
  // through the screen DC.
  using GetDpiForSystemFn = UINT(WINAPI*)();
  if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
    FARPROC proc = GetProcAddress(user32, "GetDpiForSystem");
    if (proc != nullptr) {
      GetDpiForSystemFn getDpi;
      static_assert(sizeof(getDpi) == sizeof(proc), "function pointers differ in size");
      CopyMemory(&getDpi, &proc, sizeof(getDpi));
      const UINT dpi = getDpi();
      if (dpi != 0) return static_cast<int>(dpi);
    }
  }
  const ScopedGetDC screen(nullptr);
  const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int TwipsToPixels(int twips, int dpi) {
  return MulDiv(twips, dpi, kTwipsPerInch);
}

RECT TwipRectToPixels(const platform::TwipRect& twips, int dpi) {
  const int left = TwipsToPixels(twips.left, dpi);
  const int top = TwipsToPixels(twips.top, dpi);
  return RECT{left, top, left + TwipsToPixels(twips.width, dpi),
              top + TwipsToPixels(twips.height, dpi)};
}

}  // namespace win32
