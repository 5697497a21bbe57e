#include "support/Mod_ini.h"

// TrimNull, the registry unit's text helper, cuts the profile reader's buffer at its NUL.
#include "support/ModReg.h"

namespace Mod_ini {
namespace {

// Titles keep what the 8-bit profile reader gave them, up to 127 bytes in the system's code
// page, so that a settings file shows the same titles as ever. A character takes at least one
// byte: the buffer holds more than any title keeps.
constexpr std::size_t kMaxTitleBytes = 127;
constexpr std::uint32_t kBufferCharacters = 256;

// The two halves of a character beyond the BMP, where wchar_t holds UTF-16 (Windows).
bool IsSurrogatePair(std::wstring_view text, std::size_t at) {
  return at + 1 < text.size() && text[at] >= 0xD800 && text[at] <= 0xDBFF &&
         text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF;
}

// The longest start of text that takes at most maxBytes in the system's code page, cut between
// characters (never inside a surrogate pair). The code pages Windows runs on measure each
// character alone, whatever stands beside it.
std::wstring LongestStartWithin(const platform::CodePage& codepage, std::wstring_view text,
                                std::size_t maxBytes) {
  std::size_t end = 0;
  std::size_t bytes = 0;
  while (end < text.size()) {
    const std::size_t length = IsSurrogatePair(text, end) ? 2 : 1;
    bytes += codepage.ByteCount(text.substr(end, length));
    if (bytes > maxBytes) break;
    end += length;
  }
  return std::wstring(text.substr(0, end));
}

}  // namespace

std::wstring IniFilePath(const platform::System& sys) {
  std::wstring path = sys.app.Directory();
  if (path.empty() || path.back() != L'\\') path += L'\\';
  return path + sys.app.ExeBaseName() + L".ini";
}

std::wstring GetIniString(platform::System& sys, std::wstring_view file, std::wstring_view section,
                          std::wstring_view key, std::wstring_view defaultValue) {
  std::wstring buffer(kBufferCharacters, L'\0');
  sys.profile.ReadProfileString(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                std::wstring(defaultValue).c_str(), buffer.data(),
                                kBufferCharacters, std::wstring(file).c_str());
  return LongestStartWithin(sys.codepage, ModReg::TrimNull(buffer), kMaxTitleBytes);
}

}  // namespace Mod_ini
