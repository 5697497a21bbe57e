// Vantrel.Dll: started from the file manager's context menu as
//   "<dir>\Vantrel.Dll" <entry 1..5> "<item path>"
// it copies the item's path, location or details to the clipboard and ends. Anything
// wrong with the command line or the item ends with a message box and a non-zero exit code,
// leaving the clipboard as it was.
#include <windows.h>

#include "companion/ClipboardText.h"
#include "companion/CompanionTexts.h"
#include "companion/win32/Clipboard.h"
#include "companion/win32/Win32ItemQueries.h"
#include "platform/win32/SystemDllsOnly.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  win32::LoadDllsFromSystemOnly();
  companion::win32::Win32ItemQueries queries;
  companion::Outcome outcome = companion::PrepareFromCommandLine(GetCommandLineW(), queries);
  if (outcome.problem == companion::Problem::kNone &&
      !companion::win32::PutUnicodeText(outcome.text)) {
    outcome = companion::Outcome{companion::Problem::kClipboardFailed, std::wstring()};
  }
  if (outcome.problem != companion::Problem::kNone) {
    const std::wstring message = companion::ProblemMessage(outcome.problem, outcome.text);
    MessageBoxW(nullptr, message.c_str(), companion::texts::kCaption,
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
  }
  return companion::ExitCodeFor(outcome.problem);
}
