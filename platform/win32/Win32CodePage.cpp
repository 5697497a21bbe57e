#include <windows.h>

#include "platform/win32/Win32System.h"

namespace win32 {
namespace {

// Converts without the best-fit mapping, which would turn a character the code page lacks into
// a look-alike that names another file ("C:\a¥b" into "C:\a\b" under code page 932). Such a
// character becomes the default character instead, and *lossy reports that one was needed.
std::string ToCodePage(std::wstring_view text, bool* lossy) {
  *lossy = false;
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  // UTF-8 (a system code page on recent Windows) holds every character and takes neither the
  // flag nor the used-default report.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultReport = utf8 ? nullptr : &usedDefault;
  const int bytes = WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr,
                                        usedDefaultReport);
  std::string result(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, flags, text.data(), length, result.data(), bytes, nullptr,
                      usedDefaultReport);
  *lossy = bytes == 0 || usedDefault != FALSE;
  return result;
}

}  // namespace

std::string Win32CodePage::ToAnsi(std::wstring_view text) const {
  bool lossy = false;
  return ToCodePage(text, &lossy);
}

bool Win32CodePage::Holds(std::wstring_view text) const {
  bool lossy = false;
  const std::string converted = ToCodePage(text, &lossy);
  // The way back catches a mapping that the flag and the report let through.
  return !lossy && FromAnsi(std::string_view(converted.data(), converted.size())) == text;
}

std::wstring Win32CodePage::FromAnsi(std::string_view bytes) const {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int chars = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(chars), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, result.data(), chars);
  return result;
}

}  // namespace win32
