// The companion timed from outside, from its start until the clipboard holds its text, next to
// a bare program that only puts a text there (bench/BareClipboard.cpp).
#pragma once

#include <string>
#include <vector>

namespace probe {

struct ClipboardTimes {
  std::vector<double> companionOne;      // One item.
  std::vector<double> bareOne;           // One bare program.
  std::vector<double> companionFifteen;  // Fifteen items started together, until all are there.
  std::vector<double> bareFifteen;       // Fifteen bare programs adding their lines.
  std::vector<double> companionEnded;    // Fifteen items: until the last process ended.
  std::wstring problem;                  // Empty when every run gave what it should.
};

// Makes fifteen files in a folder of the temporary directory, then times each case `runs`
// times, taking turns, after one unrecorded warm-up round.
ClipboardTimes TimeClipboard(const std::wstring& companion, const std::wstring& bare, int runs);

}  // namespace probe
