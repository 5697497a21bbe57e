#include "platform/fake/FakeText.h"

namespace fake {
namespace {

// Where wchar_t holds UTF-16 units (Windows), a surrogate pair arrives as two of them.
std::uint32_t NextCodePoint(std::wstring_view text, std::size_t* at) {
  const auto first = static_cast<std::uint32_t>(text[(*at)++]);
  if (first >= 0xD800 && first <= 0xDBFF && *at < text.size()) {
    const auto second = static_cast<std::uint32_t>(text[*at]);
    if (second >= 0xDC00 && second <= 0xDFFF) {
      ++*at;
      return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    }
  }
  return first;
}

void AppendCodePoint(std::wstring& text, std::uint32_t code) {
  if (code > 0xFFFF && sizeof(wchar_t) == 2) {
    text += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
    text += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
  } else {
    text += static_cast<wchar_t>(code);
  }
}

}  // namespace

std::string Utf8(std::wstring_view text) {
  std::string bytes;
  for (std::size_t at = 0; at < text.size();) {
    const std::uint32_t c = NextCodePoint(text, &at);
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else if (c < 0x800) {
      bytes += static_cast<char>(0xC0 | (c >> 6));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      bytes += static_cast<char>(0xE0 | (c >> 12));
      bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | (c >> 18));
      bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return bytes;
}

std::wstring FromUtf8(std::string_view bytes) {
  std::wstring text;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = lead < 0x80    ? 1
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 0;
    if (length == 0 || i + length > bytes.size()) {
      text += L'?';
      ++i;
      continue;
    }
    std::uint32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
      c = (c << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
    AppendCodePoint(text, c);
    i += length;
  }
  return text;
}

std::wstring FromUtf16Le(const std::uint8_t* data, std::size_t size) {
  std::wstring units;
  for (std::size_t i = 0; i + 1 < size; i += 2)
    units += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
  std::wstring text;
  for (std::size_t at = 0; at < units.size();) AppendCodePoint(text, NextCodePoint(units, &at));
  return text;
}

}  // namespace fake
