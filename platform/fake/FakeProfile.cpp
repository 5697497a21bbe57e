#include <algorithm>
#include <cctype>
#include <optional>

#include "platform/fake/AsciiLower.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeText.h"

namespace fake {
namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Unquote(const std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::optional<std::string> Lookup(const std::string& content, const std::string& section,
                                  const std::string& key) {
  bool inSection = false;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    const std::string line = Trim(content.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const auto close = line.find(']');
      inSection =
          close != std::string::npos && AsciiLower(Trim(line.substr(1, close - 1))) == section;
      continue;
    }
    const auto equals = line.find('=');
    if (inSection && equals != std::string::npos && AsciiLower(Trim(line.substr(0, equals))) == key)
      return Unquote(Trim(line.substr(equals + 1)));
  }
  return std::nullopt;
}

// The file as UTF-8 text: UTF-16 after its byte-order mark, or already in the stand-in code
// page.
std::string Decoded(const std::string& bytes) {
  if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') return bytes;
  return Utf8(
      FromUtf16Le(reinterpret_cast<const std::uint8_t*>(bytes.data()) + 2, bytes.size() - 2));
}

}  // namespace

void FakeProfile::SetFile(const std::string& path, const std::string& bytes) {
  files_[AsciiLower(path)] = bytes;
}

std::uint32_t FakeProfile::ReadProfileString(const wchar_t* section, const wchar_t* key,
                                             const wchar_t* defaultValue, wchar_t* buffer,
                                             std::uint32_t capacity, const wchar_t* file) {
  ++reads_;
  if (capacity == 0) return 0;
  std::wstring value = defaultValue ? defaultValue : L"";
  const auto found = files_.find(AsciiLower(Utf8(file ? file : L"")));
  if (found != files_.end() && section && key) {
    if (auto text =
            Lookup(Decoded(found->second), AsciiLower(Utf8(section)), AsciiLower(Utf8(key))))
      value = FromUtf8(*text);
  }
  const std::size_t copied = std::min<std::size_t>(value.size(), capacity - 1);
  std::copy_n(value.data(), copied, buffer);
  buffer[copied] = L'\0';
  return static_cast<std::uint32_t>(copied);
}

}  // namespace fake
