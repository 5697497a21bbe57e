// Identifiers of the setup window's controls. The dialog's design names its controls by them;
// the end-to-end driver finds them by them in the running window.
#pragma once

// They avoid 1 and 2 (IDOK, IDCANCEL): no button answers Enter or Esc.
inline constexpr int IDC_LIST = 100;         // lstInstalls: the check-box list
inline constexpr int IDC_INSTALL = 101;      // comInstall(0)
inline constexpr int IDC_UNINSTALL = 102;    // comInstall(1)
inline constexpr int IDC_EXIT = 103;         // comExit
inline constexpr int IDC_ALLSELECT = 104;    // comAllSelect
inline constexpr int IDC_DETAILS = 105;      // comOP
inline constexpr int IDC_FRAME = 106;        // Frame1
inline constexpr int IDC_HINT = 107;         // lblHint
inline constexpr int IDC_INSTRUCTION = 108;  // Label1
