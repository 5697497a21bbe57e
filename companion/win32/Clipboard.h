// Puts text on the Windows clipboard, and the pieces every clipboard write of the companion
// is made of.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/Handles.h"

namespace companion::win32 {

// Replaces the clipboard's contents with `text` as CF_UNICODETEXT, so that names outside
// the ANSI code page survive; Windows offers the ANSI and OEM forms to older programs
// itself. False when the clipboard could not be opened or written.
bool PutUnicodeText(const std::wstring& text);

// A movable block holding a copy of `bytes` bytes at `data`; empty when it cannot be made.
::win32::UniqueGlobal BlockOf(const void* data, SIZE_T bytes);
// The same for `text` with its terminating zero.
::win32::UniqueGlobal BlockOf(const std::wstring& text);

// Hands `block` to the open clipboard as `format`; one it refuses is freed.
bool Put(UINT format, ::win32::UniqueGlobal block);

}  // namespace companion::win32
