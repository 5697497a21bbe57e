// Vantrel.Dll: started from the file manager's context menu as
//   "<dir>\Vantrel.Dll" <entry 1..5> "<item path>"
// it copies the item's path, location or details to the clipboard and ends. The starts of
// one use of the menu on several items end as one text (companion/win32/Gathering.h).
// Anything wrong with the command line or the item ends with a message box and a non-zero
// exit code; that start's item is left out.
#include <windows.h>

#include "companion/ClipboardText.h"
#include "companion/CompanionTexts.h"
#include "companion/win32/Gathering.h"
#include "companion/win32/Win32ItemQueries.h"
#include "platform/win32/SystemDllsOnly.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  win32::LoadDllsFromSystemOnly();
  companion::win32::Win32ItemQueries queries;
  companion::PreparedStart start = companion::PrepareStart(GetCommandLineW(), queries);
  companion::Outcome& outcome = start.outcome;
  if (outcome.problem == companion::Problem::kNone) {
    outcome.problem = companion::win32::GatherOnClipboard(
        start.entry, companion::SelectionItem{outcome.orderKey, outcome.text, outcome.folder},
        queries);
    if (outcome.problem != companion::Problem::kNone) outcome.text.clear();
  }
  if (outcome.problem != companion::Problem::kNone) {
    const std::wstring message = companion::ProblemMessage(outcome.problem, outcome.text);
    MessageBoxW(nullptr, message.c_str(), companion::texts::kCaption,
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
  }
  return companion::ExitCodeFor(outcome.problem);
}
