// Conversion between the program's Unicode text and the system's 8-bit (ANSI) code page.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class CodePage {
 public:
  virtual ~CodePage() = default;

  // A character the code page cannot hold becomes the code page's default character, never a
  // look-alike: "¥" must not turn into a backslash, nor "é" into "e".
  virtual std::string ToAnsi(std::wstring_view text) const = 0;
  // True when text survives the conversion to the code page unchanged.
  virtual bool Holds(std::wstring_view text) const = 0;
  virtual std::wstring FromAnsi(std::string_view bytes) const = 0;
};

}  // namespace platform
