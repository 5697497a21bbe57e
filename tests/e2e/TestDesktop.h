// Settings of the Wine prefix the driver runs in, made before any installer starts.
#pragma once

namespace e2e {

// Wine waits up to two seconds for a window manager to confirm every window it hides; the
// test display has no window manager, so each closing message box and dialog would cost that
// wait. Unmanaged windows are hidden at once (and Wine draws their frames itself). The setting
// holds for the programs started after it.
bool UseManagedWindows(bool managed);
inline bool UseUnmanagedWindows() {
  return UseManagedWindows(false);
}

}  // namespace e2e
