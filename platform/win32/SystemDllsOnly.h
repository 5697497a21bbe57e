// Where both programs take their DLLs from. Windows looks for a DLL that is loaded by bare
// name (by the program, or by a system DLL on its behalf) in the program's own folder first.
// The setup runs elevated from wherever it was unzipped, often a downloads folder full of
// other people's files, and the companion runs for every user from the folder the setup
// registered: a file there named like a system DLL (version.dll, uxtheme.dll, ...) would
// run its code inside our process, with our rights ("DLL planting", binary preloading).
// The application manifests send the DLLs loaded before the entry point runs to System32
// (loadFrom); this call covers every load after it.
#pragma once

#include <windows.h>

namespace win32 {

// The first call of each entry point: from here on, DLLs loaded by bare name come from
// System32 only, never from the program's folder, the current directory or PATH.
inline void LoadDllsFromSystemOnly() {
  // Windows 8 and later have it, Vista and 7 only with KB2533623: looked up, so that the
  // programs still start without it.
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  if (HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll")) {
    FARPROC proc = GetProcAddress(kernel32, "SetDefaultDllDirectories");
    if (proc != nullptr) {
      SetDefaultDllDirectoriesFn setDefaultDllDirectories;
      static_assert(sizeof(setDefaultDllDirectories) == sizeof(proc),
                    "function pointers differ in size");
      CopyMemory(&setDefaultDllDirectories, &proc, sizeof(setDefaultDllDirectories));
      if (setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    }
  }
  // Without it the program's folder stays in the search, but the current directory, which
  // whoever starts us chooses, at least leaves it.
  SetDllDirectoryW(L"");
}

}  // namespace win32
