// The window classes of the setup's top-level windows. Shared by the window and the programs
// that look for it from outside (a second start, the end-to-end driver, the benchmark).
#pragma once

// The setup dialog; its caption is "Vantrel [ Install ]".
#define VANTREL_WINDOW_CLASS L"VantrelInstallDialog"
// Set on the dialog once its run has shown its outcome: it writes nothing more and is ending,
// though it may stay on screen a moment longer.
#define VANTREL_ENDING_PROPERTY L"VantrelSetupEnding"
// The context-help popup: a top-level window whose text is the topic shown.
#define VANTREL_HELP_POPUP_CLASS L"VantrelHelpPopup"
