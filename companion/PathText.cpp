#include "companion/PathText.h"

namespace companion {
namespace {

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

bool IsDriveLetter(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

bool StartsWith(const std::wstring& text, std::size_t at, const wchar_t* prefix) {
  for (std::size_t i = 0; prefix[i] != L'\0'; ++i) {
    if (at + i >= text.size()) return false;
    wchar_t c = text[at + i];
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    wchar_t p = prefix[i];
    if (IsSeparator(p) ? !IsSeparator(c) : c != p) return false;
  }
  return true;
}

// Index just past the next separator-delimited name starting at `from`.
std::size_t SkipName(const std::wstring& path, std::size_t from) {
  while (from < path.size() && !IsSeparator(path[from])) ++from;
  return from;
}

// "server\share" starting at `from`: the end of the share name.
std::size_t SkipServerAndShare(const std::wstring& path, std::size_t from) {
  std::size_t end = SkipName(path, from);
  if (end < path.size()) end = SkipName(path, end + 1);
  return end;
}

// "C:" or "C:\" starting at `from`; 0 when there is no drive there.
std::size_t DriveRootLength(const std::wstring& path, std::size_t from) {
  if (path.size() < from + 2 || !IsDriveLetter(path[from]) || path[from + 1] != L':') return 0;
  if (path.size() > from + 2 && IsSeparator(path[from + 2])) return from + 3;
  return from + 2;
}

std::size_t LastSeparator(const std::wstring& path) {
  std::size_t i = path.size();
  while (i > 0) {
    if (IsSeparator(path[i - 1])) return i - 1;
    --i;
  }
  return std::wstring::npos;
}

}  // namespace

std::size_t RootLength(const std::wstring& path) {
  if (StartsWith(path, 0, L"\\\\?\\UNC\\")) return SkipServerAndShare(path, 8);
  if (StartsWith(path, 0, L"\\\\?\\")) {
    std::size_t drive = DriveRootLength(path, 4);
    return drive != 0 ? drive : SkipName(path, 4);
  }
  if (StartsWith(path, 0, L"\\\\")) return SkipServerAndShare(path, 2);
  if (!path.empty() && IsSeparator(path[0])) return 1;
  return DriveRootLength(path, 0);
}

std::wstring TrimTrailingSeparators(const std::wstring& path) {
  std::size_t root = RootLength(path);
  std::size_t end = path.size();
  while (end > root && IsSeparator(path[end - 1])) --end;
  return path.substr(0, end);
}

std::wstring LocationOf(const std::wstring& path) {
  std::wstring item = TrimTrailingSeparators(path);
  std::size_t root = RootLength(item);
  if (item.size() <= root) return item;
  std::size_t separator = LastSeparator(item);
  if (separator == std::wstring::npos || separator < root) return item.substr(0, root);
  return TrimTrailingSeparators(item.substr(0, separator));
}

std::wstring NameOf(const std::wstring& path) {
  std::wstring item = TrimTrailingSeparators(path);
  std::size_t root = RootLength(item);
  if (item.size() <= root) return item;
  std::size_t separator = LastSeparator(item);
  if (separator == std::wstring::npos || separator < root) return item.substr(root);
  return item.substr(separator + 1);
}

std::wstring ExtendedLengthForm(const std::wstring& fullPath) {
  std::wstring path = fullPath;
  for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
  if (StartsWith(path, 0, L"\\\\?\\") || StartsWith(path, 0, L"\\\\.\\")) return fullPath;
  if (StartsWith(path, 0, L"\\\\")) return L"\\\\?\\UNC" + path.substr(1);
  if (DriveRootLength(path, 0) == 3) return L"\\\\?\\" + path;
  return fullPath;
}

std::wstring WithoutExtendedLengthPrefix(const std::wstring& path) {
  if (StartsWith(path, 0, L"\\\\?\\UNC\\")) return L"\\" + path.substr(7);
  if (StartsWith(path, 0, L"\\\\?\\") && DriveRootLength(path, 4) != 0) return path.substr(4);
  return path;
}

}  // namespace companion
