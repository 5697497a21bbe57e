// The hint's lines beside the Details button, for every hint, at the DPIs users choose, with
// today's dialog font and with a proportional Japanese one in its place.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "dialog/ControlIds.h"
#include "dialog/Design.h"
#include "dialog/Escapes.h"
#include "dialog/Texts.h"
#include "platform/win32/Handles.h"
#include "platform/win32/window/Dpi.h"
#include "platform/win32/window/HintLabel.h"
#include "platform/win32/window/HintLines.h"

namespace {

// The dialog's font as the system would give it at dpi; with face, that font in its place.
win32::UniqueFont DialogFont(int dpi, const wchar_t* face) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  LOGFONTW font = metrics.lfMessageFont;
  font.lfHeight = MulDiv(font.lfHeight, dpi, win32::SystemDpi());
  if (face != nullptr) lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return win32::UniqueFont(CreateFontIndirectW(&font));
}

RECT PixelsOf(int id, int dpi) {
  const platform::DialogDesign& design = design::SetupDialog();
  return win32::TwipRectToPixels(design.ClientBounds(*design.Find(id)), dpi);
}

TEST(HintLinesTest, NoLineMeetsTheDetailsButtonAndTheTextAndItsBreaksStay) {
  const win32::ScopedGetDC screen(nullptr);
  for (int dpi : {96, 120, 144, 192}) {
    for (const wchar_t* face : {static_cast<const wchar_t*>(nullptr), L"IPAPGothic"}) {
      SCOPED_TRACE(testing::Message() << dpi << " DPI, " << (face != nullptr ? face : L"today"));
      const win32::UniqueFont font = DialogFont(dpi, face);
      const win32::ScopedSelectObject selected(screen.get(), font.get());
      if (face != nullptr) {
        wchar_t used[LF_FACESIZE] = L"";
        GetTextFaceW(screen.get(), LF_FACESIZE, used);
        ASSERT_TRUE(std::wstring(used) == L"IPAPGothic" || std::wstring(used) == L"IPA Pゴシック")
            << "font not installed: " << used;
      }
      const RECT details = PixelsOf(IDC_DETAILS, dpi);
      const RECT frame = PixelsOf(IDC_FRAME, dpi);
      const RECT hint = win32::HintWindowBounds(PixelsOf(IDC_HINT, dpi), frame);
      EXPECT_LE(hint.bottom, frame.bottom - 2) << "the hint covers its frame's edge";
      RECT keepClear = details;
      OffsetRect(&keepClear, -hint.left, -hint.top);
      for (const wchar_t* text : texts::kHints) {
        const std::wstring caption = ExpandEscapes(std::wstring(L"\\s") + text);
        const std::vector<win32::HintLine> lines =
            win32::LayOutHint(screen.get(), caption, hint.right - hint.left, keepClear);
        std::wstring joined;
        for (const win32::HintLine& line : lines) {
          RECT drawn = line.bounds;
          OffsetRect(&drawn, hint.left, hint.top);
          RECT overlap;
          EXPECT_FALSE(IntersectRect(&overlap, &drawn, &details)) << std::wstring(line.text);
          EXPECT_LE(drawn.right, hint.right) << std::wstring(line.text);
          EXPECT_LE(drawn.bottom, hint.bottom) << "cut off: " << std::wstring(line.text);
          if (line.startsCaptionLine && &line != &lines.front()) joined += L"\r\n";
          joined += line.text;
        }
        EXPECT_EQ(joined, caption);
      }
    }
  }
}

}  // namespace
