#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>

#include "platform/fake/AsciiLower.h"
#include "platform/fake/FakePlatform.h"

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

}  // namespace

void FakeProfile::SetFile(const std::string& path, const std::string& bytes) {
  files_[AsciiLower(path)] = bytes;
}

std::uint32_t FakeProfile::ReadProfileString(const char* section, const char* key,
                                             const char* defaultValue, char* buffer,
                                             std::uint32_t capacity, const char* file) {
  ++reads_;
  if (capacity == 0) return 0;
  std::string value = defaultValue ? defaultValue : "";
  const auto found = files_.find(AsciiLower(file ? file : ""));
  if (found != files_.end() && section && key) {
    if (auto text = Lookup(found->second, AsciiLower(section), AsciiLower(key))) value = *text;
  }
  const std::size_t copied = std::min<std::size_t>(value.size(), capacity - 1);
  std::memcpy(buffer, value.data(), copied);
  buffer[copied] = '\0';
  return static_cast<std::uint32_t>(copied);
}

}  // namespace fake
