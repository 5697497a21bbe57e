#include "companion/Request.h"

namespace companion {
namespace {

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

}  // namespace

std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine) {
  std::vector<std::wstring> words;
  std::wstring word;
  bool inWord = false;
  bool quoted = false;
  for (wchar_t c : commandLine) {
    if (c == L'"') {
      quoted = !quoted;
      inWord = true;  // "" is an empty word, which the parser reports as missing.
    } else if (IsBlank(c) && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

Request ParseRequest(const std::vector<std::wstring>& words) {
  Request request;
  const std::size_t arguments = words.empty() ? 0 : words.size() - 1;
  if (arguments == 0) {
    request.problem = Problem::kMissingEntry;
    return request;
  }
  const std::wstring& entry = arguments == 1 ? words.back() : words[words.size() - 2];
  if (entry.size() != 1 || entry[0] < L'1' || entry[0] > L'5') {
    request.problem = entry.empty() ? Problem::kMissingEntry : Problem::kUnknownEntry;
    request.detail = entry;
    return request;
  }
  request.entry = static_cast<Entry>(entry[0] - L'0');
  if (arguments == 1 || words.back().empty()) {
    request.problem = Problem::kMissingPath;
    return request;
  }
  request.path = words.back();
  return request;
}

}  // namespace companion
