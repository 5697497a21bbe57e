// The context-help popup: a small bordered window next to a control, holding that control's
// topic text. Any click, key or loss of focus closes it.
#pragma once

#include <windows.h>

#include "platform/win32/Handles.h"

namespace win32 {

class HelpPopup {
 public:
  HelpPopup() = default;
  HelpPopup(const HelpPopup&) = delete;
  HelpPopup& operator=(const HelpPopup&) = delete;

  // Shows text just below anchor (screen coordinates), replacing a popup still shown.
  void Show(HWND owner, const wchar_t* text, const RECT& anchor, HFONT font, int dpi);
  void Dismiss();
  HWND Handle() const { return window_.get(); }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint(HWND window);
  // The text's size with the popup's margins, at most maxWidth pixels wide.
  SIZE MeasureText(const wchar_t* text, int maxWidth) const;

  UniqueWindow window_;
  HFONT font_ = nullptr;
  int margin_ = 0;
};

}  // namespace win32
