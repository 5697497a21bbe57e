#include "TestClipboard.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/Handles.h"

namespace test {
namespace {

bool OpenWithRetries(HWND owner) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(20);
  }
  return false;
}

}  // namespace

bool SetClipboardText(const std::wstring& text) {
  const win32::UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                                  nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!owner) return false;
  bool done = false;
  if (OpenWithRetries(owner.get())) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    win32::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (block) {
      {
        const win32::ScopedGlobalLock locked(block.get());
        if (locked.data() != nullptr) std::memcpy(locked.data(), text.c_str(), bytes);
      }
      done = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block.get()) != nullptr;
      if (done) static_cast<void>(block.release());  // the clipboard owns it now
    }
    CloseClipboard();
  }
  return done;
}

std::wstring ClipboardText() {
  std::wstring text = L"<no text>";
  if (!OpenWithRetries(nullptr)) return L"<clipboard not opened>";
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data != nullptr) {
    const wchar_t* chars = static_cast<const wchar_t*>(GlobalLock(data));
    if (chars != nullptr) text = chars;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

::win32::UniqueWindow KeepDesktopWindow() {
  return ::win32::UniqueWindow(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"clipboard keeper",
                                               WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                               GetModuleHandleW(nullptr), nullptr));
}

}  // namespace test
