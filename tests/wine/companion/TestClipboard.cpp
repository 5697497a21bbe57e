#include "TestClipboard.h"

#include <windows.h>

#include <cstring>
#include <utility>

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

ClipboardHolder::ClipboardHolder(DWORD heldMs, std::wstring copy, std::wstring from)
    : heldMs_(heldMs),
      copy_(std::move(copy)),
      from_(std::move(from)),
      opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  thread_.reset(CreateThread(nullptr, 0, Hold, this, 0, nullptr));
  if (thread_ && from_.empty()) WaitForSingleObject(opened_.get(), 5000);
}

ClipboardHolder::~ClipboardHolder() {
  if (thread_) WaitForSingleObject(thread_.get(), INFINITE);
}

bool ClipboardHolder::Due() const {
  if (from_.empty()) return true;
  const ClipboardContents now = ContentsOfOpenClipboard({L"CanIncludeInClipboardHistory"});
  return now.text == from_ && now.has[0];
}

DWORD WINAPI ClipboardHolder::Hold(void* holder) {
  ClipboardHolder* self = static_cast<ClipboardHolder*>(holder);
  const win32::UniqueWindow owner = MessageWindow();
  // Looks again at each change of the clipboard, as a program that watches it would.
  AddClipboardFormatListener(owner.get());
  const DWORD start = GetTickCount();
  do {
    const win32::ScopedClipboard clipboard(owner.get());
    if (clipboard.open() && self->Due()) {
      self->holding_ = true;
      SetEvent(self->opened_.get());
      Sleep(self->heldMs_);
      if (!self->copy_.empty()) PutText(self->copy_);
      return 0;
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  } while (MsgWaitForMultipleObjects(0, nullptr, FALSE, 10000 - (GetTickCount() - start),
                                     QS_ALLINPUT) == WAIT_OBJECT_0 &&
           GetTickCount() - start < 10000);
  SetEvent(self->opened_.get());
  return 0;
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
