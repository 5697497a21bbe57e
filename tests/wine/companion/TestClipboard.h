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

// A hidden top-level window of the test. While one is open, Wine's desktop process, which
// holds the clipboard's contents, stays, even once every program that wrote them has ended.
::win32::UniqueWindow KeepDesktopWindow();

}  // namespace test
