// The clipboard as the tests see it: put a known text there, read back what is there.
#pragma once

#include <string>

namespace test {

bool SetClipboardText(const std::wstring& text);
// The CF_UNICODETEXT on the clipboard, or "<no text>" when there is none.
std::wstring ClipboardText();

}  // namespace test
