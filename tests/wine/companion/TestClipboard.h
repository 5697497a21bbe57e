// The clipboard as the tests see it: put a known text there, read back what is there.
#pragma once

#include <string>

#include "platform/win32/Handles.h"

namespace test {

bool SetClipboardText(const std::wstring& text);
// The CF_UNICODETEXT on the clipboard, or "<no text>" when there is none.
std::wstring ClipboardText();

// A hidden top-level window of the test. While one is open, Wine's desktop process, which
// holds the clipboard's contents, stays, even once every program that wrote them has ended.
::win32::UniqueWindow KeepDesktopWindow();

}  // namespace test
