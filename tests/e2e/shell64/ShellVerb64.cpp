// Stands in for 64-bit Explorer: starts a registered verb on an item through the 64-bit
// shell, which reads the verbs from the 64-bit view of the registry, and waits for what it
// started. Usage: ShellVerb64 <verb> <class> <item>, where class "*" takes the verbs of every
// file (Wine's shell reads those only when asked for the class) and "-" lets the shell choose
// (a folder's verbs). Ends with the started program's exit code; 100 when nothing was started,
// 101 when it did not end in time, 102 when not built as a 64-bit program.
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

int wmain(int argc, wchar_t** argv) {
  if (sizeof(void*) != 8) return 102;
  if (argc != 4) return 100;
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = argv[1];
  info.lpFile = argv[3];
  info.nShow = SW_SHOWNORMAL;
  if (lstrcmpW(argv[2], L"-") != 0) {
    info.fMask |= SEE_MASK_CLASSNAME;
    info.lpClass = argv[2];
  }
  if (!ShellExecuteExW(&info) || info.hProcess == nullptr) return 100;
  DWORD code = 101;
  if (WaitForSingleObject(info.hProcess, 20000) == WAIT_OBJECT_0)
    GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hProcess);
  return static_cast<int>(code);
}
