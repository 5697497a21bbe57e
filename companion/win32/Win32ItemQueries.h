// The companion's questions answered by Windows.
#pragma once

#include <windows.h>

#include "companion/ItemQueries.h"
#include "platform/win32/Handles.h"

namespace companion::win32 {

class Win32ItemQueries final : public ItemQueries {
 public:
  std::wstring LongPath(const std::wstring& path) override;
  std::wstring ShortPath(const std::wstring& path) override;
  ItemFacts Facts(const std::wstring& path) override;
  int CompareNames(const std::wstring& a, const std::wstring& b) override;

 private:
  // Shlwapi and StrCmpLogicalW in it, looked for at the first comparison of names.
  bool lookedForShlwapi_ = false;
  ::win32::UniqueModule shlwapi_;
  int(WINAPI* logicalCompare_)(const wchar_t*, const wchar_t*) = nullptr;
};

}  // namespace companion::win32
