#include "platform/fake/AsciiLower.h"
#include "platform/fake/FakePlatform.h"

namespace fake {

void FakeFileSystem::AddFile(const std::string& path) {
  paths_.insert(AsciiLower(path));
}

bool FakeFileSystem::PathExists(const char* path) {
  return path && paths_.count(AsciiLower(path)) != 0;
}

}  // namespace fake
