// The file system as 64-bit Explorer sees it. The release is a 32-bit program, and on 64-bit
// Windows it runs under WoW64, which shows a 32-bit program SysWOW64 wherever System32 is
// named (drivers\etc and a few other folders excepted) and SysWOW64's regedit.exe for the
// Windows folder's own. The items the user clicked are the 64-bit file system's: a file only
// there would be "not found", and one in both places would be given the other's size and times.
//
// Turning the redirection off for this thread, rather than rewriting System32 to Sysnative:
// Sysnative stands for System32 only, so the Windows folder's regedit.exe stays out of reach,
// and the long and short name calls do not walk through it (Wine's fail on it), so they could
// not give the names Explorer shows. While it is off, a DLL loaded on this thread would be
// looked for in the 64-bit System32 and fail to load; so it is off only around the file calls
// about an item, which load nothing (shlwapi, for instance, loads at the first comparison of
// names, message boxes load more), and back on before anything else runs.
#pragma once

#include <windows.h>

namespace companion::win32 {

#if defined(_WIN64)
// A 64-bit program sees the 64-bit file system already.
class ScopedSixtyFourBitFileView {
 public:
  ScopedSixtyFourBitFileView() {}
  ScopedSixtyFourBitFileView(const ScopedSixtyFourBitFileView&) = delete;
  ScopedSixtyFourBitFileView& operator=(const ScopedSixtyFourBitFileView&) = delete;
};
#else
// For its scope, the file calls of this thread see the 64-bit file system where the program
// runs under WoW64. On 32-bit Windows the call fails and nothing changes.
class ScopedSixtyFourBitFileView {
 public:
  ScopedSixtyFourBitFileView() : off_(Wow64DisableWow64FsRedirection(&previous_) != FALSE) {}
  ScopedSixtyFourBitFileView(const ScopedSixtyFourBitFileView&) = delete;
  ScopedSixtyFourBitFileView& operator=(const ScopedSixtyFourBitFileView&) = delete;
  ~ScopedSixtyFourBitFileView() {
    if (off_) Wow64RevertWow64FsRedirection(previous_);
  }

 private:
  PVOID previous_ = nullptr;
  bool off_;
};
#endif

}  // namespace companion::win32
