#include "companion/LogicalOrder.h"

#include <cstddef>

namespace companion {
namespace {

bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

// Upper case for the letters whose case file names ignore most often: ASCII, Latin-1, Greek,
// Cyrillic and the full-width Latin letters that Japanese names use. In each of these ranges
// the capital lies 0x20 below its small letter.
wchar_t FoldCase(wchar_t c) {
  if ((c >= L'a' && c <= L'z') || (c >= L'\u00E0' && c <= L'\u00FE' && c != L'\u00F7') ||
      (c >= L'\u03B1' && c <= L'\u03C9' && c != L'\u03C2') || (c >= L'\u0430' && c <= L'\u044F') ||
      (c >= L'\uFF41' && c <= L'\uFF5A')) {
    return static_cast<wchar_t>(c - 0x20);
  }
  return c;
}

// The digit run starting at `at`: where it ends and where its leading zeros end.
struct DigitRun {
  std::size_t significant;
  std::size_t end;
};

DigitRun ReadDigits(const std::wstring& text, std::size_t at) {
  DigitRun run{at, at};
  while (run.end < text.size() && IsDigit(text[run.end])) ++run.end;
  while (run.significant + 1 < run.end && text[run.significant] == L'0') ++run.significant;
  return run;
}

// Compares two digit runs by value: more significant digits is larger, otherwise digit by
// digit.
int CompareNumbers(const std::wstring& a, const DigitRun& ra, const std::wstring& b,
                   const DigitRun& rb) {
  const std::size_t la = ra.end - ra.significant;
  const std::size_t lb = rb.end - rb.significant;
  if (la != lb) return la < lb ? -1 : 1;
  for (std::size_t i = 0; i < la; ++i) {
    const wchar_t ca = a[ra.significant + i];
    const wchar_t cb = b[rb.significant + i];
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return 0;
}

}  // namespace

int CompareLogically(const std::wstring& a, const std::wstring& b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      const DigitRun ra = ReadDigits(a, i);
      const DigitRun rb = ReadDigits(b, j);
      const int byValue = CompareNumbers(a, ra, b, rb);
      if (byValue != 0) return byValue;
      i = ra.end;
      j = rb.end;
      continue;
    }
    const wchar_t ca = FoldCase(a[i]);
    const wchar_t cb = FoldCase(b[j]);
    if (ca != cb) return ca < cb ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
  return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
}

}  // namespace companion
