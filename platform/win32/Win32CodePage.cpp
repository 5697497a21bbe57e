#include <windows.h>

#include "platform/win32/Win32System.h"

namespace win32 {

std::string Win32CodePage::ToAnsi(std::wstring_view text) const {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int bytes =
      WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
  return result;
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
