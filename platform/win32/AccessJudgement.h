// Judging a security descriptor by who is trusted rather than by who is suspected: whether
// anyone outside a few accounts may change the file or folder it protects. Reading the
// descriptor is left to the caller, so that any descriptor can be judged.
#pragma once

#include <windows.h>

#include <vector>

namespace win32 {

enum class Access {
  OnlyTrustedMayChange,
  OthersMayChange,  // an untrusted account owns it or is allowed one of the rights asked about
  Unknown,          // it holds an entry of a kind not judged here, or one that cannot be read
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
// warn. No access list at all lets everyone in. Each entry's size is checked before anything in
// it is read: one that does not hold what its kind has, or reaches beyond the list, is Unknown.
Access JudgeDescriptor(PSECURITY_DESCRIPTOR descriptor, const TrustedAccounts& trusted,
                       ACCESS_MASK rights);

// Whether a file or folder, as its directory entry shows it (FindFirstFileW: its attributes,
// and for a reparse point its tag in dwReserved0), names another place, as a junction or a
// symbolic link does: whoever may change it may point it elsewhere. Those are the reparse
// points whose tags are name surrogates. Others are the very file or folder they seem, with
// their data kept elsewhere (a OneDrive or other cloud folder or file, a deduplicated file),
// and are judged by their permissions like any other. A reparse point that shows no tag (Wine
// shows a host's symbolic link so) counts as a link.
bool NamesAnotherPlace(DWORD attributes, DWORD reparseTag);

}  // namespace win32
