// The hint: a static control that draws its caption itself, in lines that end before the
// Details button lying over its lower right (see HintLines.h). Its window text, which screen
// readers read as its name, is the caption without the leading blanks that indent it on screen.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/window/HintLines.h"

namespace win32 {

class HintLabel {
 public:
  HintLabel() = default;
  HintLabel(const HintLabel&) = delete;
  HintLabel& operator=(const HintLabel&) = delete;
  ~HintLabel();

  // Takes over the drawing of label, a static control, keeping its lines clear of keepClear,
  // a sibling window lying over it.
  void Attach(HWND label, HWND keepClear);
  // Shows the caption; when the name changes, tells screen readers so.
  void SetCaption(const std::wstring& caption);
  // The lines as drawn now, valid until the caption changes.
  std::vector<HintLine> Lines() const;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  // The lines in the font selected into dc.
  std::vector<HintLine> LayOut(HDC dc) const;
  void Paint(HDC dc) const;

  HWND label_ = nullptr;
  HWND keepClear_ = nullptr;
  std::wstring caption_;
};

// The hint's window in client pixels: where the design puts it, reaching down to the inside of
// the frame's bottom edge. A line that wraps before the Details button can take one line more
// than the design's height holds.
RECT HintWindowBounds(const RECT& designBounds, const RECT& frameBounds);

}  // namespace win32
