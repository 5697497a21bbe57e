// Whether anyone the setup cannot vouch for may put another program in the companion's place:
// through the folder, the companion itself, the folders on the way to them, a link on that way,
// or because the folder lies on another computer.
#pragma once

#include <string>

namespace platform {

// Trusted are SYSTEM, Administrators, TrustedInstaller and the account the setup runs as; every
// other account or group is not. Where several reasons hold, the first of this list is given.
enum class PlaceRisk {
  None,
  // The folder lies on another computer (a share or a mapped network drive): its permissions
  // name that computer's accounts, so this one cannot tell who may change it.
  OtherComputer,
  // A junction or symbolic link lies on the path: whoever may change it may point it elsewhere.
  Link,
  // Another account owns the folder or the companion, or may write to, delete, or change the
  // permissions or owner of either; or their security could not be judged.
  OtherAccounts,
  // Another account may delete or rename a folder on the way to it, change the permissions of
  // the folder that holds one, or owns one; or their security could not be judged.
  FolderAbove,
};

class FileSecurity {
 public:
  virtual ~FileSecurity() = default;

  // folder ends in a backslash; program is the name of the file in it that the commands start.
  virtual PlaceRisk ReplaceRisk(const std::wstring& folder, const std::wstring& program) const = 0;
};

}  // namespace platform
