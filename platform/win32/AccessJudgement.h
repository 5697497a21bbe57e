// Judging a security descriptor by who is trusted rather than by who is suspected: whether
// anyone outside a few accounts may change the file or folder it protects. Reading the
// descriptor is left to the caller, so that any descriptor can be judged.
#pragma once

#include <windows.h>

#include <vector>

namespace win32 {

enum class Access {
  Denied,   // only trusted accounts may change it
  Granted,  // an untrusted account owns it or is allowed one of the rights asked about
  Unknown,  // it holds an entry of a kind not judged here, or cannot be read
};

// The rights on a folder that let someone put another folder in the place of the one it holds
// or of itself: delete or rename (delete on it, or delete what it holds), change its
// permissions or take ownership.
inline constexpr ACCESS_MASK kReplaceRights = DELETE | FILE_DELETE_CHILD | WRITE_DAC | WRITE_OWNER;
// The rights on a file or folder that let someone put another program in its place: those
// above, and write or append (in a folder: add files or sub-folders).
inline constexpr ACCESS_MASK kChangeRights = kReplaceRights | FILE_WRITE_DATA | FILE_APPEND_DATA;

// The accounts whose rights never count against a place: SYSTEM, Administrators,
// TrustedInstaller and one user, the account the setup runs as. An administrator's own account
// is no boundary against that administrator.
class TrustedAccounts {
 public:
  // With user (copied) as the trusted user; null leaves only the three system accounts.
  explicit TrustedAccounts(PSID user);
  // The user of this process's token.
  static TrustedAccounts OfThisProcess();

  bool Trusts(PSID account) const;

 private:
  std::vector<std::vector<BYTE>> accounts_;
};

// Whether an account that trusted does not trust owns what descriptor protects, or is allowed
// any of rights on it (file rights; a generic right counts with the file rights it stands for).
// Entries that are only passed on to what a folder will hold are skipped; a conditional entry
// counts as if its condition held; denying entries only take rights away and are not needed to
// warn. No access list at all lets everyone in.
Access JudgeDescriptor(PSECURITY_DESCRIPTOR descriptor, const TrustedAccounts& trusted,
                       ACCESS_MASK rights);

}  // namespace win32
