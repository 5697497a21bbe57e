#include <windows.h>

#include <vector>

#include "platform/win32/Win32System.h"

namespace win32 {
namespace {

// The rights that let someone put another program in the file's or the folder's place: write
// or append (in a folder: add files or sub-folders), delete (in a folder: delete what it
// holds), change the permissions or take ownership; and the generic rights that include them.
constexpr ACCESS_MASK kChangeRights = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_DELETE_CHILD |
                                      DELETE | WRITE_DAC | WRITE_OWNER | GENERIC_WRITE |
                                      GENERIC_ALL;

// Groups that every ordinary user of the machine belongs to.
constexpr WELL_KNOWN_SID_TYPE kOrdinaryUserGroups[] = {WinWorldSid, WinAuthenticatedUserSid,
                                                       WinBuiltinUsersSid, WinInteractiveSid};

bool IsOrdinaryUserGroup(PSID sid) {
  for (WELL_KNOWN_SID_TYPE group : kOrdinaryUserGroups) {
    BYTE buffer[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof(buffer);
    if (CreateWellKnownSid(group, nullptr, buffer, &size) && EqualSid(sid, buffer)) return true;
  }
  return false;
}

// The owner and the access list of path; empty when they cannot be read.
std::vector<BYTE> ReadDescriptor(const std::wstring& path) {
  const SECURITY_INFORMATION wanted = OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
  DWORD needed = 0;
  GetFileSecurityW(path.c_str(), wanted, nullptr, 0, &needed);
  if (needed == 0 || GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
  std::vector<BYTE> descriptor(needed);
  if (!GetFileSecurityW(path.c_str(), wanted, descriptor.data(), needed, &needed)) return {};
  return descriptor;
}

// The trustee of an entry that grants rights on the object itself, or null. Entries that only
// pass rights on to what a folder will hold are left out; inherited entries count like any.
PSID GrantingTrustee(const ACE_HEADER& header, ACCESS_MASK* rights) {
  if ((header.AceFlags & INHERIT_ONLY_ACE) != 0) return nullptr;
  switch (header.AceType) {
    case ACCESS_ALLOWED_ACE_TYPE: {
      const auto& entry = reinterpret_cast<const ACCESS_ALLOWED_ACE&>(header);
      *rights = entry.Mask;
      return const_cast<DWORD*>(&entry.SidStart);
    }
    case ACCESS_ALLOWED_CALLBACK_ACE_TYPE: {
      // A conditional entry: counted as if its condition held.
      const auto& entry = reinterpret_cast<const ACCESS_ALLOWED_CALLBACK_ACE&>(header);
      *rights = entry.Mask;
      return const_cast<DWORD*>(&entry.SidStart);
    }
    default:
      return nullptr;
  }
}

}  // namespace

platform::UserAccess Win32FileSecurity::OrdinaryUsersMayChange(const std::wstring& path) const {
  std::vector<BYTE> descriptor = ReadDescriptor(path);
  if (descriptor.empty()) return platform::UserAccess::Unknown;

  // An owner may always change the permissions.
  PSID owner = nullptr;
  BOOL ownerDefaulted = FALSE;
  if (!GetSecurityDescriptorOwner(descriptor.data(), &owner, &ownerDefaulted))
    return platform::UserAccess::Unknown;
  if (owner != nullptr && IsOrdinaryUserGroup(owner)) return platform::UserAccess::Granted;

  BOOL present = FALSE;
  PACL dacl = nullptr;
  BOOL daclDefaulted = FALSE;
  if (!GetSecurityDescriptorDacl(descriptor.data(), &present, &dacl, &daclDefaulted))
    return platform::UserAccess::Unknown;
  // No access list at all (as on FAT drives) lets everyone do everything.
  if (!present || dacl == nullptr) return platform::UserAccess::Granted;

  for (DWORD index = 0; index < dacl->AceCount; ++index) {
    void* entry = nullptr;
    if (!GetAce(dacl, index, &entry)) return platform::UserAccess::Unknown;
    ACCESS_MASK rights = 0;
    PSID trustee = GrantingTrustee(*static_cast<const ACE_HEADER*>(entry), &rights);
    if (trustee != nullptr && (rights & kChangeRights) != 0 && IsOrdinaryUserGroup(trustee))
      return platform::UserAccess::Granted;
  }
  return platform::UserAccess::Denied;
}

}  // namespace win32
