// The clipboard as the tests see it: put a known text there, read back what is there.
#pragma once

#include <string>
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
  explicit ClipboardHolder(DWORD heldMs, std::wstring copy = std::wstring(),
                           std::wstring from = std::wstring());
  ClipboardHolder(const ClipboardHolder&) = delete;
  ClipboardHolder& operator=(const ClipboardHolder&) = delete;
  ~ClipboardHolder();                        // Waits until the clipboard is closed again.
  bool holding() const { return holding_; }  // Once it opened the clipboard, or failed to.

 private:
  static DWORD WINAPI Hold(void* holder);
  bool Due() const;  // Whether to hold the clipboard its thread opened.

  DWORD heldMs_;
  std::wstring copy_;
  std::wstring from_;
  bool holding_ = false;
  ::win32::UniqueHandle opened_;
  ::win32::UniqueHandle thread_;
};

// A hidden top-level window of the test. While one is open, Wine's desktop process, which
// holds the clipboard's contents, stays, even once every program that wrote them has ended.
::win32::UniqueWindow KeepDesktopWindow();

}  // namespace test
