// The hint's text broken into the lines the hint draws. The Details button lies over the lower
// right of the hint, so a line beside it ends before the button instead of running under it;
// the hint's own line breaks and its leading space stay as they are.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace win32 {

struct HintLine {
  // Part of the caption laid out.
  std::wstring_view text;
  // Where the text is drawn, in the hint's client coordinates.
  RECT bounds;
  // True for the first line of each line of the caption (false where the hint wrapped).
  bool startsCaptionLine;
};

// Lays the caption out in lines of the font selected into dc, width pixels wide at most, none
// meeting keepClear (a rectangle at the hint's right). A caption line that does not fit wraps
// where Japanese text may break: between two characters of which one is Japanese, or after a
// space, never before closing punctuation or a small kana; a word too long for a whole line is
// cut where it must. The lines view the caption, which must outlive them.
std::vector<HintLine> LayOutHint(HDC dc, std::wstring_view caption, int width,
                                 const RECT& keepClear);

}  // namespace win32
