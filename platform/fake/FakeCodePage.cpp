#include "platform/fake/FakePlatform.h"

namespace fake {

std::string FakeCodePage::ToAnsi(std::wstring_view text) const {
  std::string bytes;
  for (wchar_t wc : text) {
    const auto c = static_cast<std::uint32_t>(wc);
    if (missing_.count(wc) != 0) {
      bytes += '?';
    } else if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else if (c < 0x800) {
      bytes += static_cast<char>(0xC0 | (c >> 6));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c > 0xFFFF) {
      bytes += '?';  // like a code page, this stand-in holds no character beyond the BMP
    } else {
      bytes += static_cast<char>(0xE0 | ((c >> 12) & 0x0F));
      bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return bytes;
}

bool FakeCodePage::Holds(std::wstring_view text) const {
  return FromAnsi(ToAnsi(text)) == text;
}

std::wstring FakeCodePage::FromAnsi(std::string_view bytes) const {
  std::wstring text;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (lead >= 0x80 && (lead < 0xC0 || i + length > bytes.size())) {
      text += L'?';  // a stray or cut-off byte
      ++i;
      continue;
    }
    std::uint32_t c = length == 1 ? lead : length == 2 ? (lead & 0x1F) : (lead & 0x0F);
    for (std::size_t k = 1; k < length; ++k)
      c = (c << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
    text += static_cast<wchar_t>(c);
    i += length;
  }
  return text;
}

}  // namespace fake
