// One setup run at a time in a session. Two dialogs side by side would each act on the
// registry as they found it at their own start, so the later one would undo the other's work.
#pragma once

#include "platform/win32/Handles.h"

// The lock's name, the same for every start in the session.
#define VANTREL_SETUP_MUTEX L"Local\\VantrelInstallSetup"

namespace app {

class SetupRunLock {
 public:
  enum class Start { kOpenDialog, kEnd };

  SetupRunLock() = default;
  SetupRunLock(const SetupRunLock&) = delete;
  SetupRunLock& operator=(const SetupRunLock&) = delete;
  // A start waiting for this run goes on once the run is over.
  ~SetupRunLock();

  // What this start does. With no earlier run it opens its dialog at once. An earlier run
  // whose dialog is showing gets that dialog brought forward and this start ends. An earlier
  // run that is still starting (it holds the lock, its dialog is not shown yet) or already
  // ending (its dialog has gone, or it has shown its outcome) is waited for: its dialog is
  // brought forward if it shows up, and the dialog opens here once that run is over. The
  // lock's name and the window's class are fixed, so any program may hold the one or make the
  // other: only a window of a process running this same program file counts as a dialog, and
  // when none shows up within the wait, this start opens its dialog all the same.
  Start Take();

 private:
  win32::UniqueHandle lock_;
  bool owned_ = false;
};

}  // namespace app
