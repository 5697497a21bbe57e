// The questions the companion asks the system about items: the file system's, and the order
// in which the file manager lists their names.
#pragma once

#include <string>

#include "companion/ItemFacts.h"

namespace companion {

class ItemQueries {
 public:
  virtual ~ItemQueries() = default;

  // The path made absolute with every component in its long form; empty when the system
  // cannot tell.
  virtual std::wstring LongPath(const std::wstring& path) = 0;
  // The path made absolute with every component in its short (8.3) form; empty when the
  // call fails, as it does on volumes that keep no short names.
  virtual std::wstring ShortPath(const std::wstring& path) = 0;
  // Kind, size, times and attributes; kind Missing when there is no such item.
  virtual ItemFacts Facts(const std::wstring& path) = 0;
  // Negative, zero or positive as the name `a` sorts before, with or after `b` in the file
  // manager's view, by the system's own language rules.
  virtual int CompareNames(const std::wstring& a, const std::wstring& b) = 0;
};

}  // namespace companion
