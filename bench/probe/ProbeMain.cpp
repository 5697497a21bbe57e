// Times the setup from outside, inside one long-lived Wine session (or on Windows):
//   VantrelProbe startup RUNS PROGRAM CLASS CAPTION [PROGRAM CLASS CAPTION...]
//     start-up until each program's window (that class and caption) is visible, and the
//     time it takes to end once that window is closed (results startup-N, close-to-exit-N)
//   VantrelProbe clipboard RUNS COMPANION BARE
//     the companion from its start until the clipboard holds its text, for one item and for
//     fifteen started together, next to the bare program BARE (results clip-*)
//   VantrelProbe setup INSTALL_EXE RUNS
//     an Install of every entry (all ten verbs, from a registry without them) and an
//     Uninstall, each a whole run of the program driven by BM_CLICK
// Each measurement is preceded by one unrecorded warm-up run. Results are tab-separated
// lines: label, runs, median, minimum, maximum (milliseconds), or label and a count.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/probe/Child.h"
#include "bench/probe/ClipboardTimes.h"
#include "bench/probe/SetupRun.h"
#include "bench/probe/Stopwatch.h"
#include "bench/probe/Verbs.h"
#include "dialog/ControlIds.h"

namespace {

using probe::Child;
using probe::SetupRun;
using probe::Stopwatch;

void PrintTimes(const char* label, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const size_t n = times.size();
  const double median = n % 2 != 0 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2.0;
  std::printf("%s\t%u\t%.1f\t%.1f\t%.1f\n", label, static_cast<unsigned>(n), median, times.front(),
              times.back());
  std::fflush(stdout);
}

int Fail(const std::wstring& what) {
  std::fwprintf(stderr, L"VantrelProbe: %ls\n", what.c_str());
  return 1;
}

struct Target {
  std::wstring program, className, caption;
  std::vector<double> visible, ended;
};

// The programs take turns, so that a slow spell of the machine falls on all of them alike.
int TimeStartup(std::vector<Target>& targets, int runs) {
  for (int run = -1; run < runs; ++run) {
    for (Target& target : targets) {
      Child child;
      const Stopwatch clock;
      if (!child.Start(target.program)) return Fail(L"cannot start " + target.program);
      if (probe::WaitForVisibleWindow(child.id(), target.className.c_str(), target.caption.c_str(),
                                      30000) == nullptr)
        return Fail(L"no visible window '" + target.caption + L"' from " + target.program);
      const double shown = clock.Milliseconds();
      const Stopwatch closing;
      if (!child.Close(30000))
        return Fail(target.program + L" did not end when its window was closed");
      if (run < 0) continue;
      target.visible.push_back(shown);
      target.ended.push_back(closing.Milliseconds());
    }
  }
  for (size_t i = 0; i < targets.size(); ++i) {
    char label[32];
    std::snprintf(label, sizeof label, "startup-%u", static_cast<unsigned>(i + 1));
    PrintTimes(label, targets[i].visible);
    std::snprintf(label, sizeof label, "close-to-exit-%u", static_cast<unsigned>(i + 1));
    PrintTimes(label, targets[i].ended);
  }
  return 0;
}

int TimeSetup(const std::wstring& program, int runs) {
  std::vector<double> installClick, installExit, installRun;
  std::vector<double> uninstallClick, uninstallExit, uninstallRun;
  int afterInstall = 0, afterUninstall = 0;
  for (int run = -1; run < runs; ++run) {
    probe::RemoveVerbs();
    const SetupRun install = probe::RunSetup(program, IDC_INSTALL);
    if (!install.problem.empty()) return Fail(L"Install: " + install.problem);
    if (!install.succeeded) return Fail(L"Install reported a failure");
    afterInstall = probe::CountInstalledVerbs();
    const SetupRun uninstall = probe::RunSetup(program, IDC_UNINSTALL);
    if (!uninstall.problem.empty()) return Fail(L"Uninstall: " + uninstall.problem);
    if (!uninstall.succeeded) return Fail(L"Uninstall reported a failure");
    afterUninstall = probe::CountInstalledVerbs();
    if (run < 0) continue;
    installClick.push_back(install.clickToMessage);
    installExit.push_back(install.dismissToExit);
    installRun.push_back(install.wholeRun);
    uninstallClick.push_back(uninstall.clickToMessage);
    uninstallExit.push_back(uninstall.dismissToExit);
    uninstallRun.push_back(uninstall.wholeRun);
  }
  probe::RemoveVerbs();
  PrintTimes("install-click", installClick);
  PrintTimes("install-exit", installExit);
  PrintTimes("install-run", installRun);
  PrintTimes("uninstall-click", uninstallClick);
  PrintTimes("uninstall-exit", uninstallExit);
  PrintTimes("uninstall-run", uninstallRun);
  std::printf("verbs-after-install\t%d\nverbs-after-uninstall\t%d\n", afterInstall, afterUninstall);
  return 0;
}

int TimeClipboard(const std::wstring& companion, const std::wstring& bare, int runs) {
  const probe::ClipboardTimes times = probe::TimeClipboard(companion, bare, runs);
  if (!times.problem.empty()) return Fail(times.problem);
  PrintTimes("clip-companion-1", times.companionOne);
  PrintTimes("clip-bare-1", times.bareOne);
  PrintTimes("clip-companion-15", times.companionFifteen);
  PrintTimes("clip-bare-15", times.bareFifteen);
  PrintTimes("clip-companion-15-ended", times.companionEnded);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::vector<std::wstring> args(argv + 1, argv + argc);
  if (args.size() >= 5 && (args.size() - 2) % 3 == 0 && args[0] == L"startup") {
    std::vector<Target> targets;
    for (size_t i = 2; i < args.size(); i += 3)
      targets.push_back({args[i], args[i + 1], args[i + 2], {}, {}});
    return TimeStartup(targets, std::max(1, _wtoi(args[1].c_str())));
  }
  if (args.size() == 4 && args[0] == L"clipboard")
    return TimeClipboard(args[2], args[3], std::max(1, _wtoi(args[1].c_str())));
  if (args.size() == 3 && args[0] == L"setup")
    return TimeSetup(args[1], std::max(1, _wtoi(args[2].c_str())));
  std::fputs(
      "usage: VantrelProbe startup RUNS PROGRAM CLASS CAPTION [PROGRAM CLASS CAPTION...]\n"
      "       VantrelProbe clipboard RUNS COMPANION BARE\n"
      "       VantrelProbe setup INSTALL_EXE RUNS\n",
      stderr);
  return 2;
}
