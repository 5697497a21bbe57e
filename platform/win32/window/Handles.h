// Owning wrappers for the window handles the setup window keeps.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace win32 {

struct WindowCloser {
  void operator()(HWND window) const { DestroyWindow(window); }
};
struct GdiObjectCloser {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct MenuCloser {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};

using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowCloser>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectCloser>;
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuCloser>;

// The system's message font (the face message boxes use), so Japanese text shows in the
// interface font of the user's system. nullptr when the system gives no metrics.
UniqueFont CreateMessageFont();

}  // namespace win32
