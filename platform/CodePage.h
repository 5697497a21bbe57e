// Conversion between the program's Unicode text and the system's 8-bit (ANSI) code page.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class CodePage {
 public:
  virtual ~CodePage() = default;

  // Characters the code page cannot hold are replaced as the platform's standard conversion does.
  virtual std::string ToAnsi(std::wstring_view text) const = 0;
  virtual std::wstring FromAnsi(std::string_view bytes) const = 0;
};

}  // namespace platform
