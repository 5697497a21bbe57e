// The window's layout in pixels, at the usual 96 DPI and at 144 DPI: every control where the
// design puts it in twips, scaled by the DPI the desktop had when the installer started.
#include <cmath>

#include "InstallerFixture.h"
#include "ShellVerbs.h"
#include "WindowLookup.h"
#include "dialog/ControlIds.h"

namespace e2e {
namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultDpi = 96;

struct TwipLayout {
  const char* name;
  int id;
  int left, top, width, height;
};

// Positions in twips relative to the client area; the hint label lies at (240, 240) inside the
// hint frame, which itself starts at (240, 1920).
constexpr TwipLayout kLayout[] = {
    {"comInstall(0)", IDC_INSTALL, 2880, 480, 1095, 375},
    {"comExit", IDC_EXIT, 2880, 1440, 1095, 375},
    {"comAllSelect", IDC_ALLSELECT, 240, 480, 135, 1335},
    {"comOP", IDC_DETAILS, 2805, 2580, 1095, 375},
    {"Frame1", IDC_FRAME, 240, 1920, 3735, 1095},
    {"lblHint", IDC_HINT, 240 + 240, 1920 + 240, 3375, 735},
    {"comInstall(1)", IDC_UNINSTALL, 2880, 960, 1095, 375},
    {"lstInstalls", IDC_LIST, 360, 480, 2415, 1320},
};
constexpr int kClientWidthTwips = 4080;
constexpr int kClientHeightTwips = 3150;
// Label1 sizes itself to its text; only where it starts is fixed.
constexpr int kInstructionLeftTwips = 240;
constexpr int kInstructionTopTwips = 120;

// One pixel either way: the twips rarely come out whole.
void ExpectPixels(const char* what, int actual, int twips, int dpi) {
  const double expected = static_cast<double>(twips) * dpi / kTwipsPerInch;
  EXPECT_LE(std::fabs(actual - expected), 1.0)
      << what << ": " << actual << " px, expected " << expected << " px at " << dpi << " DPI";
}

class LayoutTest : public InstallerTest {
 protected:
  void TearDown() override {
    if (dpiChanged_) {
      EXPECT_TRUE(SetDesktopLogPixels(kDefaultDpi)) << "96 DPI not restored";
    }
  }

  void StartAtDpi(int dpi) {
    if (dpi != kDefaultDpi) {
      dpiChanged_ = true;
      ASSERT_TRUE(SetDesktopLogPixels(static_cast<DWORD>(dpi)));
    }
    ASSERT_NO_FATAL_FAILURE(Launch());
  }

  void ExpectLayoutAt(int dpi) {
    const SIZE client = ClientSizeOf(window_);
    ExpectPixels("client width", client.cx, kClientWidthTwips, dpi);
    ExpectPixels("client height", client.cy, kClientHeightTwips, dpi);
    for (const TwipLayout& control : kLayout) {
      SCOPED_TRACE(control.name);
      HWND window = Control(control.id);
      ASSERT_NE(window, nullptr);
      const RECT rect = RectInClientOf(window, window_);
      ExpectPixels("left", rect.left, control.left, dpi);
      ExpectPixels("top", rect.top, control.top, dpi);
      ExpectPixels("width", rect.right - rect.left, control.width, dpi);
      // The hint reaches down inside its frame, for a line that wraps before Details.
      const RECT frame = RectInClientOf(Control(IDC_FRAME), window_);
      EXPECT_TRUE(control.id != IDC_HINT ||
                  rect.bottom == frame.bottom - GetSystemMetrics(SM_CYEDGE));
      if (control.id != IDC_HINT)
        ExpectPixels("height", rect.bottom - rect.top, control.height, dpi);
    }
    HWND instruction = Control(IDC_INSTRUCTION);
    ASSERT_NE(instruction, nullptr);
    const RECT rect = RectInClientOf(instruction, window_);
    ExpectPixels("Label1 left", rect.left, kInstructionLeftTwips, dpi);
    ExpectPixels("Label1 top", rect.top, kInstructionTopTwips, dpi);
  }

 private:
  bool dpiChanged_ = false;
};

TEST_F(LayoutTest, ControlsSitWhereTheDesignPutsThemAt96Dpi) {
  ASSERT_NO_FATAL_FAILURE(StartAtDpi(kDefaultDpi));
  ExpectLayoutAt(kDefaultDpi);
}

TEST_F(LayoutTest, ControlsScaleWithTheDesktopAt144Dpi) {
  ASSERT_NO_FATAL_FAILURE(StartAtDpi(144));
  ExpectLayoutAt(144);
}

}  // namespace
}  // namespace e2e
