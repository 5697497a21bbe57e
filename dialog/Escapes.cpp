#include "dialog/Escapes.h"

namespace {

void ReplaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to) {
  std::size_t at = 0;
  while ((at = text.find(from, at)) != std::wstring::npos) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

}  // namespace

std::wstring AddBackslash(std::wstring_view path) {
  std::wstring result(path);
  if (result.empty() || result.back() != L'\\') result += L'\\';
  return result;
}

std::wstring ExpandEscapes(std::wstring_view text) {
  // An escaped backslash is parked as NUL so that the following passes cannot see it; a NUL
  // that was already in the text therefore also comes out as a backslash.
  static constexpr wchar_t kParked[] = {L'\0'};
  const std::wstring_view parked(kParked, 1);
  std::wstring result(text);
  ReplaceAll(result, L"\\\\", parked);
  ReplaceAll(result, L"\\n", L"\r\n");
  ReplaceAll(result, L"\\w", L"\"");
  ReplaceAll(result, L"\\t", L"\t");
  ReplaceAll(result, L"\\s", L" ");
  ReplaceAll(result, parked, L"\\");
  return result;
}
