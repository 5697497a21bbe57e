// The companion's questions answered by Windows.
#pragma once

#include "companion/ItemQueries.h"

namespace companion::win32 {

class Win32ItemQueries final : public ItemQueries {
 public:
  std::wstring LongPath(const std::wstring& path) override;
  std::wstring ShortPath(const std::wstring& path) override;
  ItemFacts Facts(const std::wstring& path) override;
  int CompareNames(const std::wstring& a, const std::wstring& b) override;
};

}  // namespace companion::win32
