// Who may change a place, judged by who is trusted, on descriptors made from SDDL as Windows
// would read them from a file or folder.
#include <gtest/gtest.h>
#include <windows.h>
// sddl.h builds on the types windows.h declares.
#include <sddl.h>

#include "platform/win32/AccessJudgement.h"
#include "platform/win32/Handles.h"

namespace {

using win32::Access;

// S-1-5-21-1-2-3-1000 runs the setup, S-1-5-21-1-2-3-1001 is another user, -513 the domain's
// Domain Users.
struct Row {
  const char* name;
  const wchar_t* sddl;
  Access expected;
  // kChangeRights for the folder and the companion, kReplaceRights for a folder above.
  ACCESS_MASK rights = win32::kChangeRights;
  // Wine's SDDL writes neither conditional nor object entries: the last entry takes this kind.
  BYTE lastKind = ACCESS_ALLOWED_ACE_TYPE;
};

#define ADMINS L"O:BAD:(A;;FA;;;SY)(A;;FA;;;BA)"
#define TI L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464"

const Row kRows[] = {
    {"administrators only", ADMINS, Access::Denied},
    {"another user: full control", ADMINS L"(A;;FA;;;S-1-5-21-1-2-3-1001)", Access::Granted},
    {"owned by another user", L"O:S-1-5-21-1-2-3-1001D:(A;;FA;;;BA)", Access::Granted},
    {"the setup's account: owner, full control",
     L"O:S-1-5-21-1-2-3-1000D:(A;;FA;;;S-1-5-21-1-2-3-1000)(A;;FA;;;SY)", Access::Denied},
    {"Domain Users: modify", ADMINS L"(A;;0x1301bf;;;S-1-5-21-1-2-3-513)", Access::Granted},
    {"Users: read", ADMINS L"(A;;0x1200a9;;;BU)", Access::Denied},
    {"Users: full control, only passed on", ADMINS L"(A;OICIIO;FA;;;BU)", Access::Denied},
    {"Users: generic write", ADMINS L"(A;;GW;;;BU)", Access::Granted},
    // Without a "D:" part no access list is present, as GetFileSecurity reports a FAT file.
    {"no access list", L"O:BA", Access::Granted},
    {"a conditional entry", ADMINS L"(A;;FA;;;AU)", Access::Granted, win32::kChangeRights,
     ACCESS_ALLOWED_CALLBACK_ACE_TYPE},
    {"an entry of a kind not judged", ADMINS L"(A;;FA;;;WD)", Access::Unknown, win32::kChangeRights,
     ACCESS_ALLOWED_OBJECT_ACE_TYPE},
    {"Program Files",
     L"O:" TI L"D:PAI(A;;FA;;;" TI L")(A;CIIO;GA;;;" TI L")(A;;0x1301bf;;;SY)(A;OICIIO;GA;;;SY)"
     L"(A;;0x1301bf;;;BA)(A;OICIIO;GA;;;BA)(A;;0x1200a9;;;BU)(A;OICIIO;GXGR;;;BU)"
     L"(A;OICIIO;GA;;;CO)(A;;0x1200a9;;;S-1-15-2-1)(A;OICIIO;GXGR;;;S-1-15-2-1)",
     Access::Denied},
    // Above: a drive root lets Authenticated Users create folders and passes modify on, which
    // C:\Tools, made in it, inherits.
    {"a drive root above",
     L"O:SYD:(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)(A;OICIIO;0x1301bf;;;AU)"
     L"(A;;0x4;;;AU)",
     Access::Denied, win32::kReplaceRights},
    {"C:\\Tools above", L"O:BAD:AI(A;ID;FA;;;BA)(A;ID;FA;;;SY)(A;ID;0x1301bf;;;AU)",
     Access::Granted, win32::kReplaceRights},
};

TEST(AccessJudgement, OnlyTrustedAccountsMayChangeAPlace) {
  PSID setupUser = nullptr;
  ASSERT_TRUE(ConvertStringSidToSidW(L"S-1-5-21-1-2-3-1000", &setupUser));
  const win32::UniqueLocal ownedUser(setupUser);
  const win32::TrustedAccounts trusted(setupUser);
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(row.sddl, SDDL_REVISION_1,
                                                                     &descriptor, nullptr));
    const win32::UniqueLocal owned(descriptor);
    BOOL present = FALSE, defaulted = FALSE;
    PACL list = nullptr;
    void* last = nullptr;
    if (GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted) && list != nullptr &&
        GetAce(list, list->AceCount - 1, &last))
      static_cast<ACE_HEADER*>(last)->AceType = row.lastKind;
    EXPECT_EQ(win32::JudgeDescriptor(descriptor, trusted, row.rights), row.expected);
  }
}

}  // namespace
