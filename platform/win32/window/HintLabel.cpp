#include "platform/win32/window/HintLabel.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/Handles.h"

namespace win32 {

namespace {

// What a screen reader reads: the caption without the blanks that only indent it.
std::wstring NameOf(const std::wstring& caption) {
  const std::size_t start = caption.find_first_not_of(L" \t\r\n\u3000");
  return start == std::wstring::npos ? std::wstring() : caption.substr(start);
}

}  // namespace

HintLabel::~HintLabel() {
  if (label_ != nullptr) RemoveWindowSubclass(label_, &HintLabel::SubclassProc, 0);
}

void HintLabel::Attach(HWND label, HWND keepClear) {
  label_ = label;
  keepClear_ = keepClear;
  SetWindowSubclass(label_, &HintLabel::SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
  InvalidateRect(label_, nullptr, FALSE);
}

void HintLabel::SetCaption(const std::wstring& caption) {
  if (label_ == nullptr || caption == caption_) return;
  const std::wstring name = NameOf(caption);
  const bool nameChanged = name != NameOf(caption_);
  caption_ = caption;
  if (nameChanged) SetWindowTextW(label_, name.c_str());
  InvalidateRect(label_, nullptr, FALSE);
  // Not every system raises an event for a static control's new text (Wine raises none):
  // without one a screen reader would go on reading the old hint.
  if (nameChanged) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, label_, OBJID_CLIENT, CHILDID_SELF);
}

std::vector<HintLine> HintLabel::Lines() const {
  if (label_ == nullptr) return {};
  const ScopedGetDC dc(label_);
  const ScopedSelectObject font(dc.get(),
                                reinterpret_cast<HFONT>(SendMessageW(label_, WM_GETFONT, 0, 0)));
  return LayOut(dc.get());
}

std::vector<HintLine> HintLabel::LayOut(HDC dc) const {
  RECT client{};
  GetClientRect(label_, &client);
  RECT keepClear{};
  GetWindowRect(keepClear_, &keepClear);
  MapWindowPoints(nullptr, label_, reinterpret_cast<POINT*>(&keepClear), 2);
  return LayOutHint(dc, caption_, client.right, keepClear);
}

void HintLabel::Paint(HDC dc) const {
  RECT client{};
  GetClientRect(label_, &client);
  // The parent chooses the colours, as for any static control.
  auto* brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(label_), WM_CTLCOLORSTATIC,
                                                      reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(label_)));
  FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
  const ScopedSelectObject font(dc,
                                reinterpret_cast<HFONT>(SendMessageW(label_, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  for (const HintLine& line : LayOut(dc)) {
    ExtTextOutW(dc, line.bounds.left, line.bounds.top, ETO_CLIPPED, &client, line.text.data(),
                static_cast<UINT>(line.text.size()), nullptr);
  }
}

LRESULT CALLBACK HintLabel::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self) {
  auto* hint = reinterpret_cast<HintLabel*>(self);
  switch (message) {
    case WM_PAINT: {
      const ScopedPaint paint(window);
      hint->Paint(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      hint->Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SETTEXT: {
      // The static control would draw its new text at once, its own way: keep the text only.
      const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      InvalidateRect(window, nullptr, FALSE);
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &HintLabel::SubclassProc, 0);
      hint->label_ = nullptr;
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

RECT HintWindowBounds(const RECT& designBounds, const RECT& frameBounds) {
  RECT bounds = designBounds;
  bounds.bottom = std::max(designBounds.bottom, frameBounds.bottom - GetSystemMetrics(SM_CYEDGE));
  return bounds;
}

}  // namespace win32
