// The system's 8-bit (ANSI) code page, which the settings file's titles are measured in.
#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

class CodePage {
 public:
  virtual ~CodePage() = default;

  // The number of bytes text takes in the code page. A character the code page cannot hold
  // counts as its default character, never as a look-alike.
  virtual std::size_t ByteCount(std::wstring_view text) const = 0;
};

}  // namespace platform
