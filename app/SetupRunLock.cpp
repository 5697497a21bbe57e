#include "SetupRunLock.h"

#include <string>

#include "platform/win32/ProcessImage.h"
#include "platform/win32/window/WindowClasses.h"

namespace app {

namespace {

// An earlier run ends within this once its dialog has closed (about two seconds where a
// closing window keeps the program a while), and shows its dialog within it once started.
constexpr DWORD kEarlierRunWaitMs = 5000;
// How often the wait looks for the earlier run's dialog.
constexpr DWORD kLookIntervalMs = 50;

// The running setup's dialog, once it has been shown and until its run has shown its outcome.
// A hidden one is still starting or already closing, a marked one is ending.
HWND OpenSetupWindow(const std::wstring& ourImage) {
  for (HWND window = FindWindowExW(nullptr, nullptr, VANTREL_WINDOW_CLASS, nullptr);
       window != nullptr; window = FindWindowExW(nullptr, window, VANTREL_WINDOW_CLASS, nullptr)) {
    if (IsWindowVisible(window) && GetPropW(window, VANTREL_ENDING_PROPERTY) == nullptr &&
        win32::WindowRunsProgram(window, ourImage))
      return window;
  }
  return nullptr;
}

// Hands the user the dialog that is already open, or the message box it is showing. The
// earlier run may hang: nothing here waits for its thread to answer. ShowWindow would, for a
// window of another thread (it sends the change and waits); the restore is posted instead.
// The look for the dialog and SetForegroundWindow read and post only.
void BringForward(HWND window) {
  if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
  SetForegroundWindow(GetLastActivePopup(window));
}

}  // namespace

SetupRunLock::~SetupRunLock() {
  if (owned_) ReleaseMutex(lock_.get());
}

SetupRunLock::Start SetupRunLock::Take() {
  lock_.reset(CreateMutexW(nullptr, TRUE, VANTREL_SETUP_MUTEX));
  // A failed create leaves the start unguarded rather than refusing it.
  if (lock_ == nullptr) return Start::kOpenDialog;
  if (GetLastError() != ERROR_ALREADY_EXISTS) {
    owned_ = true;
    return Start::kOpenDialog;
  }
  const std::wstring ourImage = win32::ImagePathOf(GetCurrentProcess());
  const ULONGLONG deadline = GetTickCount64() + kEarlierRunWaitMs;
  for (;;) {
    if (HWND dialog = OpenSetupWindow(ourImage)) {
      BringForward(dialog);
      return Start::kEnd;
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return Start::kOpenDialog;
    const DWORD slice =
        static_cast<DWORD>(deadline - now < kLookIntervalMs ? deadline - now : kLookIntervalMs);
    switch (WaitForSingleObject(lock_.get(), slice)) {
      case WAIT_TIMEOUT:
        break;
      // The earlier run is over; one that ended without letting go counts the same.
      case WAIT_OBJECT_0:
      case WAIT_ABANDONED:
        owned_ = true;
        return Start::kOpenDialog;
      default:
        return Start::kOpenDialog;
    }
  }
}

}  // namespace app
