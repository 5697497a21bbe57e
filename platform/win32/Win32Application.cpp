#include <windows.h>

#include "platform/win32/TextBuffer.h"
#include "platform/win32/Win32System.h"

namespace win32 {
namespace {

// Wine names a program started from a network share by its NT path less the "\??\" prefix,
// "UNC\host\share\...". No absolute path begins that way on Windows, so it can only mean the
// share itself; the file checks and the command lines need its usual form "\\host\share\...".
std::wstring ShareFormOf(std::wstring path) {
  constexpr wchar_t kNtSharePrefix[] = L"UNC\\";
  constexpr std::size_t kPrefixLength = sizeof(kNtSharePrefix) / sizeof(wchar_t) - 1;
  if (path.compare(0, kPrefixLength, kNtSharePrefix) == 0) path.replace(0, kPrefixLength, L"\\\\");
  return path;
}

std::wstring ModulePath() {
  // A cut name comes back as the buffer's full size.
  return ShareFormOf(TextFromCall([](wchar_t* buffer, std::size_t capacity) {
    return static_cast<std::size_t>(
        GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(capacity)));
  }));
}

}  // namespace

std::wstring Win32Application::Directory() const {
  std::wstring path = ModulePath();
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return L"";
  // A drive root keeps its backslash ("C:\"), as the platform reports it.
  const bool root = slash == 2 && path.size() > 1 && path[1] == L':';
  path.resize(root ? slash + 1 : slash);
  return path;
}

std::wstring Win32Application::ExeBaseName() const {
  const std::wstring path = ModulePath();
  const std::size_t slash = path.find_last_of(L"\\/");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return name;
}

}  // namespace win32
