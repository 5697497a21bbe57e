// Puts text on the Windows clipboard.
#pragma once

#include <string>

namespace companion::win32 {

// Replaces the clipboard's contents with `text` as CF_UNICODETEXT, so that names outside
// the ANSI code page survive; Windows offers the ANSI and OEM forms to older programs
// itself. False when the clipboard could not be opened or written.
bool PutUnicodeText(const std::wstring& text);

}  // namespace companion::win32
