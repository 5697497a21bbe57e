#include "TestClipboard.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/Handles.h"

namespace test {
namespace {

// Replaces the contents of the clipboard the caller opened with `text`.
bool PutText(const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  win32::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!block) return false;
  {
    const win32::ScopedGlobalLock locked(block.get());
    if (locked.data() != nullptr) std::memcpy(locked.data(), text.c_str(), bytes);
  }
  const bool done = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block.get()) != nullptr;
  if (done) static_cast<void>(block.release());  // the clipboard owns it now
  return done;
}

ClipboardContents ContentsOfOpenClipboard(const std::vector<const wchar_t*>& formats) {
  ClipboardContents contents{GetClipboardSequenceNumber(), L"<no text>", {}};
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

win32::UniqueWindow MessageWindow() {
  return win32::UniqueWindow(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                             nullptr, GetModuleHandleW(nullptr), nullptr));
}

}  // namespace

bool SetClipboardText(const std::wstring& text, HWND owner) {
  const win32::UniqueWindow own(owner != nullptr ? nullptr : MessageWindow());
  if (owner == nullptr) owner = own.get();
  if (!owner) return false;
  const win32::ScopedClipboard clipboard(owner);
  return clipboard.open() && PutText(text);
}

ClipboardHolder::ClipboardHolder(DWORD heldMs, const std::wstring& copy, const std::wstring& from)
    : opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      thread_([this, heldMs, copy, from] { Hold(heldMs, copy, from); }) {
  if (from.empty()) WaitForSingleObject(opened_.get(), 5000);
}

void ClipboardHolder::Hold(DWORD heldMs, const std::wstring& copy, const std::wstring& from) {
  const win32::UniqueWindow owner = MessageWindow();
  // Looks again at each change of the clipboard, as a program that watches it would.
  AddClipboardFormatListener(owner.get());
  const DWORD start = GetTickCount();
  for (DWORD waited = 0; waited < 10000; waited = GetTickCount() - start) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    {
      const win32::ScopedClipboard clipboard(owner.get());
      // Harmless where the clipboard is not open: no text then.
      const ClipboardContents now = ContentsOfOpenClipboard({L"CanIncludeInClipboardHistory"});
      if (clipboard.open() && (from.empty() || (now.text == from && now.has[0]))) {
        holding_ = true;
        SetEvent(opened_.get());
        Sleep(heldMs);
        if (!copy.empty()) PutText(copy);
        return;
      }
    }  // Closed again while it waits for the next change.
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 10000 - waited, QS_ALLINPUT) != WAIT_OBJECT_0)
      break;
  }
  SetEvent(opened_.get());
}

std::wstring ClipboardText() {
  return ReadClipboard({}).text;
}

ClipboardContents ReadClipboard(const std::vector<const wchar_t*>& formats) {
  const win32::ScopedClipboard clipboard(nullptr);
  if (!clipboard.open()) return ClipboardContents{0, L"<clipboard not opened>", {}};
  return ContentsOfOpenClipboard(formats);
}

::win32::UniqueWindow KeepDesktopWindow() {
  return ::win32::UniqueWindow(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"clipboard keeper",
                                               WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                               GetModuleHandleW(nullptr), nullptr));
}

}  // namespace test
