// Text as UTF-16LE bytes: the form of the registry's text data (REG_SZ) and of a Unicode
// settings file. Written unit by unit, so that the bytes are the same on every host: where
// wchar_t holds whole code points (the native tests' hosts) a character beyond the BMP becomes
// its surrogate pair, as it already is where wchar_t holds UTF-16 (Windows).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

inline std::vector<std::uint8_t> Utf16LeBytes(std::wstring_view text) {
  std::vector<std::uint8_t> bytes;
  const auto put = [&bytes](std::uint32_t unit) {
    bytes.push_back(static_cast<std::uint8_t>(unit));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  };
  for (const wchar_t c : text) {
    const auto code = static_cast<std::uint32_t>(c);
    if (code > 0xFFFF) {
      put(0xD800 + ((code - 0x10000) >> 10));
      put(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      put(code);
    }
  }
  return bytes;
}

}  // namespace platform
