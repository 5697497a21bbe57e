// The clipboard as the tests see it: put a known text there, read back what is there.
#pragma once

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/Handles.h"

namespace test {

// `owner` owns the clipboard afterwards; without one, a window made for the moment does.
bool SetClipboardText(const std::wstring& text, HWND owner = nullptr);
// The CF_UNICODETEXT on the clipboard, or "<no text>" when there is none.
std::wstring ClipboardText();
// One opening of the clipboard: its sequence number, its text as ClipboardText gives it, and
// for each registered format name asked about whether it is there.
struct ClipboardContents {
  DWORD sequence;
  std::wstring text;
  std::vector<bool> has;
};
ClipboardContents ReadClipboard(const std::vector<const wchar_t*>& formats);

// Another program that holds the clipboard open for `heldMs`, on a thread of its own: from its
// making, or with a text `from`, from the moment the clipboard holds that text in a write kept
// out of the clipboard history (the gatherer's partial write). With a `copy`, it writes that
// text, the user's copy, before it closes.
class ClipboardHolder {
 public:
  explicit ClipboardHolder(DWORD heldMs, const std::wstring& copy = L"",
                           const std::wstring& from = L"");
  ~ClipboardHolder() { thread_.join(); }     // Waits until the clipboard is closed again.
  bool holding() const { return holding_; }  // Once it opened the clipboard.

 private:
  void Hold(DWORD heldMs, const std::wstring& copy, const std::wstring& from);

  std::atomic<bool> holding_{false};
  ::win32::UniqueHandle opened_;
  std::thread thread_;
};

// A hidden top-level window of the test. While one is open, Wine's desktop process, which
// holds the clipboard's contents, stays, even once every program that wrote them has ended.
::win32::UniqueWindow KeepDesktopWindow();

}  // namespace test
