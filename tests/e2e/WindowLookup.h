// Finding and reading the windows of another process, with plain window messages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::wstring ClassNameOf(HWND window);
// The window's text through WM_GETTEXT, which the system copies across processes.
std::wstring TextOf(HWND window);

std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// A top-level window of the process with this class (and caption, unless null); with
// visibleOnly, hidden windows do not count. Null when there is none.
HWND FindTopLevel(DWORD processId, const wchar_t* className, const wchar_t* caption,
                  bool visibleOnly);
HWND WaitForTopLevel(DWORD processId, const wchar_t* className, const wchar_t* caption,
                     DWORD timeoutMs);
// The first descendant of parent with this class, or null.
HWND FindDescendant(HWND parent, const wchar_t* className);

// The window's rectangle in the client coordinates of container.
RECT RectInClientOf(HWND window, HWND container);
SIZE ClientSizeOf(HWND window);

LONG_PTR StyleOf(HWND window);
LONG_PTR ExStyleOf(HWND window);

}  // namespace e2e
