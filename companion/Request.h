// What the companion was asked to do, read from its command line.
#pragma once

#include <string>
#include <vector>

#include "companion/Outcome.h"

namespace companion {

// The five things the companion can copy; the numbers are those on the command line.
enum class Entry {
  kLongPath = 1,
  kLongLocation = 2,
  kShortPath = 3,
  kShortLocation = 4,
  kDetails = 5,
};

struct Request {
  Problem problem = Problem::kNone;
  std::wstring detail;  // The text that was wrong, for the message.
  Entry entry = Entry::kLongPath;
  std::wstring path;
};

// Splits a command line into words at blanks outside double quotes, dropping the quotes.
// Backslashes are plain characters here, unlike in the C runtime's rules: the shell hands a
// drive root over as "C:\", whose backslash must not escape the closing quote. Windows
// paths cannot contain a double quote, so nothing is lost.
std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine);

// Reads the words of a whole command line (the program first): <program> <entry> <path>.
// The entry and path are the last two words. A program path with blanks registered
// without quotes arrives as several words, and this way it still works.
Request ParseRequest(const std::vector<std::wstring>& words);

}  // namespace companion
