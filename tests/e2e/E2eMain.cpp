// Runs the end-to-end cases: the driver is told where the build put the installer and the
// companion stand-in.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "BuildProducts.h"
#include "TestDesktop.h"

namespace {

// ctest's code for a skipped test.
constexpr int kSkipped = 77;

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  std::wstring error;
  if (!e2e::ParseBuildProducts(argc, argv, &error)) {
    if (e2e::Products().installer.empty()) {
      std::printf("SKIPPED: this build has no Install target\n");
      return kSkipped;
    }
    std::fprintf(stderr, "%ls\n", error.c_str());
    return 2;
  }
  if (!e2e::UseUnmanagedWindows()) {
    std::fprintf(stderr, "cannot configure the Wine display driver\n");
    return 2;
  }
  // Control rectangles are read in the installer's own pixels, whatever DPI it started at.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
  return RUN_ALL_TESTS();
}
