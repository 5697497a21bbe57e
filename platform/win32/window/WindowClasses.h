// The window classes of the setup's top-level windows. Shared by the window and the programs
// that look for it from outside (a second start, the end-to-end driver, the benchmark).
#pragma once

// The setup dialog; its caption is "Vantrel [ Install ]".
#define VANTREL_WINDOW_CLASS L"VantrelInstallDialog"
// The context-help popup: a top-level window whose text is the topic shown.
#define VANTREL_HELP_POPUP_CLASS L"VantrelHelpPopup"
