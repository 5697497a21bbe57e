#include <windows.h>

#include "platform/win32/Win32System.h"

namespace win32 {

std::size_t Win32CodePage::ByteCount(std::wstring_view text) const {
  if (text.empty()) return 0;
  // Counted without the best-fit mapping, which would measure a look-alike ("e" for "é"). UTF-8
  // (a system code page on recent Windows) holds every character and takes no flag.
  const DWORD flags = GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int bytes = WideCharToMultiByte(CP_ACP, flags, text.data(), static_cast<int>(text.size()),
                                        nullptr, 0, nullptr, nullptr);
  return static_cast<std::size_t>(bytes);
}

}  // namespace win32
