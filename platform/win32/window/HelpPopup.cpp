#include "platform/win32/window/HelpPopup.h"

#include "platform/win32/window/Dpi.h"
#include "platform/win32/window/WindowClasses.h"

namespace win32 {

namespace {

// Room around the text and the widest line, in twips: about 4 and 260 pixels at 96 DPI.
constexpr int kMarginTwips = 60;
constexpr int kMaxWidthTwips = 3900;
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

bool RegisterPopupClass(HINSTANCE instance, WNDPROC windowProc) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_SAVEBITS | CS_DROPSHADOW;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_INFOBK);
  windowClass.lpszClassName = VANTREL_HELP_POPUP_CLASS;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Moves rect inside the work area of the monitor it is on, keeping its size.
void KeepOnScreen(RECT& rect) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& area = monitor.rcWork;
  int dx = 0;
  int dy = 0;
  if (rect.right > area.right) dx = area.right - rect.right;
  if (rect.left + dx < area.left) dx = area.left - rect.left;
  if (rect.bottom > area.bottom) dy = area.bottom - rect.bottom;
  if (rect.top + dy < area.top) dy = area.top - rect.top;
  OffsetRect(&rect, dx, dy);
}

}  // namespace

void HelpPopup::Show(HWND owner, const wchar_t* text, const RECT& anchor, HFONT font, int dpi) {
  Dismiss();
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
  if (!RegisterPopupClass(instance, &HelpPopup::WindowProc)) return;
  font_ = font;
  margin_ = TwipsToPixels(kMarginTwips, dpi);

  const SIZE textSize = MeasureText(text, TwipsToPixels(kMaxWidthTwips, dpi));
  RECT frame{0, 0, textSize.cx, textSize.cy};
  AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, 0);
  // Just below the control, left edges aligned.
  OffsetRect(&frame, anchor.left - frame.left, anchor.bottom + 2 - frame.top);
  KeepOnScreen(frame);

  window_.reset(CreateWindowExW(0, VANTREL_HELP_POPUP_CLASS, text, WS_POPUP | WS_BORDER, frame.left,
                                frame.top, frame.right - frame.left, frame.bottom - frame.top,
                                owner, nullptr, instance, this));
  if (!window_) return;
  // Shown active with the focus, so the first key press reaches it and closes it.
  ShowWindow(window_.get(), SW_SHOW);
  SetFocus(window_.get());
}

void HelpPopup::Dismiss() {
  window_.reset();
}

SIZE HelpPopup::MeasureText(const wchar_t* text, int maxWidth) const {
  RECT bounds{0, 0, maxWidth, 0};
  const ScopedGetDC screen(nullptr);
  const ScopedSelectObject font(screen.get(), font_);
  DrawTextW(screen.get(), text, -1, &bounds, kTextFormat | DT_CALCRECT);
  return SIZE{bounds.right + 2 * margin_, bounds.bottom + 2 * margin_};
}

LRESULT CALLBACK HelpPopup::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<HelpPopup*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->OnMessage(window, message, wParam, lParam);
}

LRESULT HelpPopup::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KILLFOCUS:
      Dismiss();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) Dismiss();
      return 0;
    case WM_NCDESTROY:
      // The owner's destruction takes this window with it: forget the handle.
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      if (window_.get() == window) static_cast<void>(window_.release());
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void HelpPopup::OnPaint(HWND window) {
  const ScopedPaint paint(window);
  const HDC dc = paint.get();
  RECT bounds;
  GetClientRect(window, &bounds);
  InflateRect(&bounds, -margin_, -margin_);
  const ScopedSelectObject font(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  wchar_t text[512];
  GetWindowTextW(window, text, static_cast<int>(sizeof(text) / sizeof(text[0])));
  DrawTextW(dc, text, -1, &bounds, kTextFormat);
}

}  // namespace win32
