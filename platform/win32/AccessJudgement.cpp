#include "platform/win32/AccessJudgement.h"

#include <cstddef>
#include <initializer_list>

#include "platform/win32/Handles.h"

namespace win32 {
namespace {

// An account of the NT authority (S-1-5-...) from its sub-authorities.
std::vector<BYTE> NtAccount(std::initializer_list<DWORD> subAuthorities) {
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  const auto count = static_cast<BYTE>(subAuthorities.size());
  std::vector<BYTE> sid(GetSidLengthRequired(count));
  InitializeSid(sid.data(), &nt, count);
  DWORD index = 0;
  for (DWORD value : subAuthorities) *GetSidSubAuthority(sid.data(), index++) = value;
  return sid;
}

// NT SERVICE\TrustedInstaller, which owns the system's own files: S-1-5-80 and the hash of the
// service's name.
constexpr std::initializer_list<DWORD> kTrustedInstaller = {
    SECURITY_SERVICE_ID_BASE_RID, 956008885, 3418522649, 1831038044, 1853292631, 2271478464};

// Files map the generic rights onto these.
constexpr GENERIC_MAPPING kFileMapping = {FILE_GENERIC_READ, FILE_GENERIC_WRITE,
                                          FILE_GENERIC_EXECUTE, FILE_ALL_ACCESS};

// The account of an allowing entry whose size the caller has checked against the list; null
// when the entry is too short to hold the account it names. Each field is read only once the
// size says it is there: the account's fixed part, then its sub-authorities.
PSID AccountIn(const ACE_HEADER& header) {
  constexpr std::size_t kAccountStart = offsetof(ACCESS_ALLOWED_ACE, SidStart);
  constexpr std::size_t kAccountFixedPart = offsetof(SID, SubAuthority);
  if (header.AceSize < kAccountStart + kAccountFixedPart) return nullptr;
  const auto* start = reinterpret_cast<const BYTE*>(&header) + kAccountStart;
  const auto* account = reinterpret_cast<const SID*>(start);
  if (kAccountStart + kAccountFixedPart + account->SubAuthorityCount * sizeof(DWORD) >
      header.AceSize)
    return nullptr;
  PSID sid = const_cast<BYTE*>(start);
  return IsValidSid(sid) ? sid : nullptr;
}

}  // namespace

bool NamesAnotherPlace(DWORD attributes, DWORD reparseTag) {
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return false;
  return reparseTag == 0 || IsReparseTagNameSurrogate(reparseTag);
}

TrustedAccounts::TrustedAccounts(PSID user)
    : accounts_{NtAccount({SECURITY_LOCAL_SYSTEM_RID}),
                NtAccount({SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS}),
                NtAccount(kTrustedInstaller)} {
  if (user != nullptr && IsValidSid(user)) {
    const BYTE* start = static_cast<const BYTE*>(user);
    accounts_.emplace_back(start, start + GetLengthSid(user));
  }
}

TrustedAccounts TrustedAccounts::OfThisProcess() {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return TrustedAccounts(nullptr);
  const UniqueHandle token(raw);
  DWORD size = 0;
  GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  if (size == 0 || !GetTokenInformation(token.get(), TokenUser, buffer.data(), size, &size))
    return TrustedAccounts(nullptr);
  return TrustedAccounts(reinterpret_cast<const TOKEN_USER*>(buffer.data())->User.Sid);
}

bool TrustedAccounts::Trusts(PSID account) const {
  for (const std::vector<BYTE>& trusted : accounts_) {
    if (EqualSid(account, const_cast<BYTE*>(trusted.data()))) return true;
  }
  return false;
}

Access JudgeDescriptor(PSECURITY_DESCRIPTOR descriptor, const TrustedAccounts& trusted,
                       ACCESS_MASK rights) {
  // An owner may always change the permissions.
  PSID owner = nullptr;
  BOOL defaulted = FALSE;
  if (!GetSecurityDescriptorOwner(descriptor, &owner, &defaulted) || owner == nullptr)
    return Access::Unknown;
  if (!trusted.Trusts(owner)) return Access::OthersMayChange;

  BOOL present = FALSE;
  PACL dacl = nullptr;
  if (!GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted)) return Access::Unknown;
  // No access list at all (as on FAT drives) lets everyone do everything.
  if (!present || dacl == nullptr) return Access::OthersMayChange;

  const BYTE* const listEnd = reinterpret_cast<const BYTE*>(dacl) + dacl->AclSize;
  for (DWORD index = 0; index < dacl->AceCount; ++index) {
    void* entry = nullptr;
    if (!GetAce(dacl, index, &entry)) return Access::Unknown;
    const BYTE* const start = static_cast<const BYTE*>(entry);
    if (start < reinterpret_cast<const BYTE*>(dacl + 1) ||
        listEnd - start < static_cast<std::ptrdiff_t>(sizeof(ACE_HEADER)))
      return Access::Unknown;
    const auto& header = *static_cast<const ACE_HEADER*>(entry);
    if (header.AceSize < sizeof(ACE_HEADER) || header.AceSize > listEnd - start)
      return Access::Unknown;
    if ((header.AceFlags & INHERIT_ONLY_ACE) != 0) continue;
    switch (header.AceType) {
      case ACCESS_ALLOWED_ACE_TYPE:
      // A conditional entry: counted as if its condition held. Its layout begins like the
      // plain entry's.
      case ACCESS_ALLOWED_CALLBACK_ACE_TYPE: {
        PSID account = AccountIn(header);
        if (account == nullptr) return Access::Unknown;
        ACCESS_MASK allowedRights = static_cast<const ACCESS_ALLOWED_ACE*>(entry)->Mask;
        MapGenericMask(&allowedRights, const_cast<GENERIC_MAPPING*>(&kFileMapping));
        if ((allowedRights & rights) != 0 && !trusted.Trusts(account))
          return Access::OthersMayChange;
        break;
      }
      case ACCESS_DENIED_ACE_TYPE:
      case ACCESS_DENIED_CALLBACK_ACE_TYPE:
        break;
      default:
        return Access::Unknown;
    }
  }
  return Access::OnlyTrustedMayChange;
}

}  // namespace win32
