#include "companion/Outcome.h"

#include "companion/CompanionTexts.h"

namespace companion {

std::wstring ProblemMessage(Problem problem, const std::wstring& detail) {
  switch (problem) {
    case Problem::kNone:
      return std::wstring();
    case Problem::kMissingEntry:
      return std::wstring(texts::kMissingEntry) + texts::kUsage;
    case Problem::kUnknownEntry:
      return texts::kUnknownEntry + detail + texts::kUsage;
    case Problem::kMissingPath:
      return std::wstring(texts::kMissingPath) + texts::kUsage;
    case Problem::kPathNotFound:
      return texts::kPathNotFound + detail;
    case Problem::kClipboardFailed:
      return texts::kClipboardFailed;
  }
  return std::wstring();
}

int ExitCodeFor(Problem problem) {
  switch (problem) {
    case Problem::kNone:
      return 0;
    case Problem::kMissingEntry:
    case Problem::kUnknownEntry:
    case Problem::kMissingPath:
      return 1;
    case Problem::kPathNotFound:
      return 2;
    case Problem::kClipboardFailed:
      return 3;
  }
  return 1;
}

}  // namespace companion
