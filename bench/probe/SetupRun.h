// One run of Install.exe driven from outside: open, press a button, read the outcome, close.
#pragma once

#include <string>

namespace probe {

struct SetupRun {
  bool succeeded = false;       // the message box reported success
  double clickToMessage = 0.0;  // ms from the button press to the visible outcome message
  double dismissToExit = 0.0;   // ms from dismissing the message to the end of the process
  double wholeRun = 0.0;        // ms from CreateProcess to the end of the process
  std::wstring problem;         // what did not happen in time, when something did not
};

// Starts the setup, waits for its dialog, presses the button with `buttonId` (BM_CLICK),
// waits for the outcome's message box, reads it, dismisses it and waits for the program to
// end, as it does after every Install or Uninstall.
SetupRun RunSetup(const std::wstring& program, int buttonId);

}  // namespace probe
