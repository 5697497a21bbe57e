// Whether people other than administrators may change a file or folder, read from its security
// descriptor.
#pragma once

#include <string>

namespace platform {

enum class UserAccess {
  Denied,   // no group of ordinary users may change it
  Granted,  // Everyone, Authenticated Users, Users or Interactive may change it
  Unknown,  // the security descriptor could not be read
};

class FileSecurity {
 public:
  virtual ~FileSecurity() = default;

  // Whether a group that every ordinary user belongs to (Everyone, Authenticated Users, Users,
  // Interactive) may write to path, append to it, delete it, or change its permissions or
  // owner, through an entry of its own or an inherited one.
  virtual UserAccess OrdinaryUsersMayChange(const std::wstring& path) const = 0;
};

}  // namespace platform
