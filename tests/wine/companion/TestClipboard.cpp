#include "TestClipboard.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/Handles.h"

namespace test {
bool SetClipboardText(const std::wstring& text, HWND owner) {
  const win32::UniqueWindow own(
      owner != nullptr ? nullptr
                       : CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                         GetModuleHandleW(nullptr), nullptr));
  if (owner == nullptr) owner = own.get();
  if (!owner) return false;
  bool done = false;
  const win32::ScopedClipboard clipboard(owner);
  if (clipboard.open()) {
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
  }
  return done;
}

std::wstring ClipboardText() {
  return ReadClipboard({}).text;
}

ClipboardContents ReadClipboard(const std::vector<const wchar_t*>& formats) {
  ClipboardContents contents{0, L"<no text>", {}};
  const win32::ScopedClipboard clipboard(nullptr);
  if (!clipboard.open()) return ClipboardContents{0, L"<clipboard not opened>", {}};
  contents.sequence = GetClipboardSequenceNumber();
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data != nullptr) {
    const wchar_t* chars = static_cast<const wchar_t*>(GlobalLock(data));
    if (chars != nullptr) contents.text = chars;
    GlobalUnlock(data);
  }
  for (const wchar_t* name : formats) {
    contents.has.push_back(IsClipboardFormatAvailable(RegisterClipboardFormatW(name)) != FALSE);
  }
  return contents;
}

::win32::UniqueWindow KeepDesktopWindow() {
  return ::win32::UniqueWindow(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"clipboard keeper",
                                               WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                               GetModuleHandleW(nullptr), nullptr));
}

}  // namespace test
