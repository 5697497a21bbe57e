#include "platform/fake/AsciiLower.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeText.h"

namespace fake {

void FakeFileSystem::AddFile(const std::string& path) {
  paths_.insert(AsciiLower(path));
}

bool FakeFileSystem::PathExists(const wchar_t* path) {
  return path && paths_.count(AsciiLower(Utf8(path))) != 0;
}

}  // namespace fake
