#include <algorithm>
#include <cctype>

#include "platform/fake/FakePlatform.h"

namespace fake {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

void FakeFileSystem::AddFile(const std::string& path) {
  paths_.insert(Lower(path));
}

bool FakeFileSystem::PathExists(const char* path) {
  return path && paths_.count(Lower(path)) != 0;
}

}  // namespace fake
