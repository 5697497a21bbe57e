// The file-existence test, at the level of PathFileExistsW.
#pragma once

namespace platform {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True for an existing file or directory.
  virtual bool PathExists(const wchar_t* path) = 0;
};

}  // namespace platform
