// Identifiers of the setup window and its controls. Shared by the window, its resources and
// the end-to-end driver that inspects the window from another process.
#pragma once

// The main window's class; its caption is "Vantrel [ Install ]".
#define VANTREL_WINDOW_CLASS L"VantrelInstallDialog"
// The context-help popup's class: a top-level window whose text is the topic shown.
#define VANTREL_HELP_POPUP_CLASS L"VantrelHelpPopup"

// Control IDs avoid 1 and 2 (IDOK, IDCANCEL): no button answers Enter or Esc.
#define IDC_LIST 100        /* lstInstalls: SysListView32 with check boxes */
#define IDC_INSTALL 101     /* comInstall(0) */
#define IDC_UNINSTALL 102   /* comInstall(1) */
#define IDC_EXIT 103        /* comExit */
#define IDC_ALLSELECT 104   /* comAllSelect */
#define IDC_DETAILS 105     /* comOP */
#define IDC_FRAME 106       /* Frame1 */
#define IDC_HINT 107        /* lblHint */
#define IDC_INSTRUCTION 108 /* Label1 */

// Items of the popup menu m.
#define IDM_FILE 201   /* m_File */
#define IDM_FOLDER 202 /* m_Fol */

#define IDI_APP 1
