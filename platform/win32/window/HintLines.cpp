#include "platform/win32/window/HintLines.h"

#include <algorithm>

namespace win32 {

namespace {

// Japanese line-breaking rules: these never begin a line (closing punctuation, the long-vowel
// mark, small kana) ...
constexpr std::wstring_view kNoLineStart =
    L"、。，．・：；？！゛゜ヽヾゝゞ々ー）］｝」』】〕〉》’”ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャ"
    L"ュョヮヵヶ"
    L"ｧｨｩｪｫｬｭｮｯｰ､｡｣)]},.:;!?";
// ... and these never end one (opening brackets).
constexpr std::wstring_view kNoLineEnd = L"（［｛「『【〔〈《‘“｢([{";

bool IsJapanese(wchar_t c) {
  // From the CJK radicals on: kana, ideographs, full-width and half-width forms.
  return c >= 0x2E80;
}

bool MayBreakBefore(std::wstring_view text, std::size_t at) {
  const wchar_t before = text[at - 1];
  const wchar_t after = text[at];
  if (kNoLineStart.find(after) != std::wstring_view::npos) return false;
  if (kNoLineEnd.find(before) != std::wstring_view::npos) return false;
  return before == L' ' || IsJapanese(before) || IsJapanese(after);
}

// How many characters of text go on a line `room` pixels wide: all that fit, ending where a
// line may break, but at least one character that is not a space.
std::size_t LineLength(HDC dc, std::wstring_view text, int room) {
  int fit = 0;
  SIZE extent{};
  GetTextExtentExPointW(dc, text.data(), static_cast<int>(text.size()), std::max(room, 0), &fit,
                        nullptr, &extent);
  const std::size_t fits = static_cast<std::size_t>(std::max(fit, 0));
  if (fits >= text.size()) return text.size();
  const std::size_t firstVisible = std::min(text.find_first_not_of(L' '), text.size() - 1);
  for (std::size_t at = fits; at > firstVisible; --at) {
    if (MayBreakBefore(text, at)) return at;
  }
  // No place to break within the room: cut the word.
  return std::max(fits, firstVisible + 1);
}

}  // namespace

std::vector<HintLine> LayOutHint(HDC dc, std::wstring_view caption, int width,
                                 const RECT& keepClear) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int height = metrics.tmHeight;
  std::vector<HintLine> lines;
  int top = 0;
  std::size_t start = 0;
  while (start <= caption.size()) {
    std::size_t end = caption.find(L'\n', start);
    if (end == std::wstring_view::npos) end = caption.size();
    std::wstring_view rest = caption.substr(start, end - start);
    if (!rest.empty() && rest.back() == L'\r') rest.remove_suffix(1);
    bool first = true;
    do {
      const bool besideKeepClear = top < keepClear.bottom && top + height > keepClear.top;
      const int room = besideKeepClear ? std::min(width, static_cast<int>(keepClear.left)) : width;
      const std::size_t length = rest.empty() ? 0 : LineLength(dc, rest, room);
      const std::wstring_view text = rest.substr(0, length);
      SIZE extent{};
      GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
      lines.push_back(HintLine{text, RECT{0, top, extent.cx, top + height}, first});
      rest.remove_prefix(length);
      top += height;
      first = false;
    } while (!rest.empty());
    start = end + 1;
  }
  return lines;
}

}  // namespace win32
