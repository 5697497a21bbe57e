// Starts the companion program as the shell would and watches it until it ends.
#pragma once

#include <string>
#include <vector>

namespace test {

struct CompanionRun {
  unsigned long exitCode = 0xFFFFFFFF;
  // The program's error box: seen (caption "Vantrel"), its text, and then closed by the test
  // so that the program can end.
  bool messageShown = false;
  std::wstring message;
};

// Runs "<program>" <arguments> and waits for it to end.
CompanionRun RunCompanion(const std::wstring& program, const std::wstring& arguments);

// Starts "<program>" once for each of `arguments` right after one another, as the file
// manager does for a selection, and waits for all of them to end; the last one starts
// `lastStartDelayMs` after the first (a start slowed down by the system). `lastStartToEndMs`
// is how long the last of them ran on after the last start.
std::vector<CompanionRun> RunCompanionsTogether(const std::wstring& program,
                                                const std::vector<std::wstring>& arguments,
                                                unsigned long* lastStartToEndMs = nullptr,
                                                unsigned long lastStartDelayMs = 0);

// The program under test, as the test's command line named it.
void SetCompanionPath(const std::wstring& path);
const std::wstring& CompanionPath();

// A path given on the test's command line: a Unix path names Wine's drive Z:.
std::wstring WindowsPathOf(const char* path);

}  // namespace test
