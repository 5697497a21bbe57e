// The message boxes (dialog class #32770) that the installer shows: their text, their icon and
// their OK button.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

inline constexpr wchar_t kDialogClass[] = L"#32770";

// A visible message box of the process, or null once the time is up.
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs);
// The message itself: the box's static control 0xFFFF.
std::wstring MessageTextOf(HWND box);
bool PressOk(HWND box);
bool PressButton(HWND box, int id);  // IDYES, IDNO, ...

enum class BoxIcon { Unknown, Information, Warning, Error };
// Which standard icon the box shows, judged from the pixels on screen against the system's
// own icons drawn on the same background.
BoxIcon IconShownBy(HWND box);

}  // namespace e2e
