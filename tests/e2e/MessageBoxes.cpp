#include "MessageBoxes.h"

#include <cstdlib>
#include <vector>

#include "Polling.h"
#include "WindowLookup.h"
#include "platform/win32/Handles.h"

namespace e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;

struct IconSearch {
  HWND found;
};

BOOL CALLBACK StopAtIconStatic(HWND window, LPARAM context) {
  if (ClassNameOf(window) != L"Static" || (StyleOf(window) & SS_TYPEMASK) != SS_ICON ||
      !IsWindowVisible(window))
    return TRUE;
  reinterpret_cast<IconSearch*>(context)->found = window;
  return FALSE;
}

// 32-bit pixels of a width x height bitmap, top row first.
using Pixels = std::vector<DWORD>;

Pixels ReadPixels(HDC dc, HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  Pixels pixels(static_cast<size_t>(width) * height);
  GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  return pixels;
}

// Draws into an off-screen bitmap compatible with the screen and reads its pixels back.
template <typename Draw>
Pixels DrawOffscreen(int width, int height, Draw draw) {
  const win32::ScopedGetDC screen(nullptr);
  const win32::UniqueMemoryDC memory(CreateCompatibleDC(screen.get()));
  const win32::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  {
    const win32::ScopedSelectObject selected(memory.get(), bitmap.get());
    draw(memory.get(), screen.get());
  }
  return ReadPixels(memory.get(), bitmap.get(), width, height);
}

// Copies a rectangle of the screen.
Pixels CaptureScreen(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  return DrawOffscreen(width, height, [&](HDC memory, HDC screen) {
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  });
}

// The system icon drawn at the given size over a plain background.
Pixels RenderIcon(LPCWSTR iconName, int width, int height, DWORD background) {
  return DrawOffscreen(width, height, [&](HDC memory, HDC) {
    const win32::UniqueBrush brush(
        CreateSolidBrush(RGB(GetRValue(background), GetGValue(background), GetBValue(background))));
    RECT all{0, 0, width, height};
    FillRect(memory, &all, brush.get());
    DrawIconEx(memory, 0, 0, LoadIconW(nullptr, iconName), width, height, 0, nullptr, DI_NORMAL);
  });
}

long long Distance(const Pixels& a, const Pixels& b) {
  long long sum = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    for (int shift = 0; shift < 24; shift += 8)
      sum += std::abs(static_cast<int>((a[i] >> shift) & 0xFF) -
                      static_cast<int>((b[i] >> shift) & 0xFF));
  }
  return sum;
}

// A DIB pixel (0x00RRGGBB) as a COLORREF (0x00BBGGRR).
DWORD AsColorRef(DWORD pixel) {
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
  return WaitForTopLevel(processId, kDialogClass, nullptr, timeoutMs);
}

std::wstring MessageTextOf(HWND box) {
  HWND text = GetDlgItem(box, kMessageTextId);
  return text != nullptr ? TextOf(text) : L"";
}

bool PressOk(HWND box) {
  HWND ok = GetDlgItem(box, IDOK);
  return ok != nullptr && PostMessageW(ok, BM_CLICK, 0, 0);
}

bool PressButton(HWND box, int id) {
  HWND button = GetDlgItem(box, id);
  return button != nullptr && PostMessageW(button, BM_CLICK, 0, 0);
}

BoxIcon IconShownBy(HWND box) {
  IconSearch search{nullptr};
  EnumChildWindows(box, StopAtIconStatic, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return BoxIcon::Unknown;
  // The box may still be painting when it first appears.
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(300);
  RECT area{};
  GetWindowRect(search.found, &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return BoxIcon::Unknown;
  const Pixels shown = CaptureScreen(area);
  const DWORD background = AsColorRef(shown.front());
  const long long toInformation =
      Distance(shown, RenderIcon(IDI_INFORMATION, width, height, background));
  const long long toError = Distance(shown, RenderIcon(IDI_ERROR, width, height, background));
  const long long toWarning = Distance(shown, RenderIcon(IDI_WARNING, width, height, background));
  if (toWarning < toInformation && toWarning < toError) return BoxIcon::Warning;
  if (toInformation == toError) return BoxIcon::Unknown;
  return toInformation < toError ? BoxIcon::Information : BoxIcon::Error;
}

}  // namespace e2e
