// How a run of the companion ends.
#pragma once

#include <string>

namespace companion {

enum class Problem {
  kNone,
  kMissingEntry,
  kUnknownEntry,
  kMissingPath,
  kPathNotFound,
  kClipboardFailed,
};

// Either the text to copy (problem kNone) or the problem with the text it is about.
struct Outcome {
  Problem problem = Problem::kNone;
  std::wstring text;
  // With a text: the item's long path, which places the text among those of a selection.
  std::wstring orderKey;
  bool folder = false;  // The file manager lists folders before files.
};

// The message that tells the user about a problem, naming `detail` where it helps.
std::wstring ProblemMessage(Problem problem, const std::wstring& detail);

// The exit code: 0 when the text was copied; 1 for a wrong command line; 2 for an item that
// does not exist; 3 when the clipboard could not be written.
int ExitCodeFor(Problem problem);

}  // namespace companion
