// A program that puts a text on the clipboard and ends, and nothing else: the baseline that
// the benchmark holds the companion against. Built with the same size settings and runtime.
//   BareClipboard TEXT     replaces the clipboard's contents with TEXT
//   BareClipboard +TEXT    adds TEXT as a line below the text there (so that several started
//                          together leave every text, which is what the companion's
//                          selection gives)
#include <windows.h>

#include <cstring>
#include <string>

#include "platform/win32/Handles.h"

namespace {

std::wstring CurrentText() {
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const void* chars = data != nullptr ? GlobalLock(data) : nullptr;
  if (chars == nullptr) return std::wstring();
  std::wstring text(static_cast<const wchar_t*>(chars));
  GlobalUnlock(data);
  return text;
}

}  // namespace

// The parameter names are those of the declaration in <winbase.h>.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR lpCmdLine, int) {
  std::wstring text = lpCmdLine;
  const bool append = !text.empty() && text[0] == L'+';
  if (append) text.erase(0, 1);
  const win32::UniqueWindow owner(
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, hInstance, nullptr));
  const win32::ScopedClipboard clipboard(owner.get());
  if (!owner || !clipboard.open()) return 1;
  if (append) {
    const std::wstring before = CurrentText();
    if (!before.empty()) text = before + L"\r\n" + text;
  }
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  win32::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
  bool done = false;
  if (block) {
    {
      const win32::ScopedGlobalLock locked(block.get());
      if (locked.data() != nullptr) std::memcpy(locked.data(), text.c_str(), bytes);
    }
    done = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block.get()) != nullptr;
    if (done) static_cast<void>(block.release());  // the clipboard owns it now
  }
  return done ? 0 : 1;
}
