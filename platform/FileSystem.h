// The file-existence test, at the level of PathFileExistsA.
#pragma once

namespace platform {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True for an existing file or directory.
  virtual bool PathExists(const char* path) = 0;
};

}  // namespace platform
