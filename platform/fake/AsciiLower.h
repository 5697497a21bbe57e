// Registry key names, profile names and paths compare without regard to ASCII case.
#pragma once

#include <algorithm>
#include <cctype>
#include <string>

namespace fake {

inline std::string AsciiLower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace fake
