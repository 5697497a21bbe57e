#include <windows.h>

#include "platform/win32/Win32System.h"

namespace win32 {
namespace {

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // truncated: try a larger buffer
  }
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
