// Who may change a place, judged by who is trusted, on descriptors made from SDDL as Windows
// would read them from a file or folder.
#include <gtest/gtest.h>
#include <windows.h>
// sddl.h builds on the types windows.h declares.
#include <sddl.h>

#include "platform/win32/AccessJudgement.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32System.h"

namespace {

using win32::Access;
constexpr Access kOnlyTrusted = Access::OnlyTrustedMayChange, kOthersToo = Access::OthersMayChange;

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
  // The last entry cut to this size, with the list (0: as made).
  WORD lastSize = 0;
  // Entries the list claims beyond those it holds.
  WORD missingEntries = 0;
};

#define ADMINS L"O:BAD:(A;;FA;;;SY)(A;;FA;;;BA)"
#define TI L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464"

const Row kRows[] = {
    {"administrators only", ADMINS, kOnlyTrusted},
    {"another user: full control", ADMINS L"(A;;FA;;;S-1-5-21-1-2-3-1001)", kOthersToo},
    {"owned by another user", L"O:S-1-5-21-1-2-3-1001D:(A;;FA;;;BA)", kOthersToo},
    {"the setup's account: owner, full control",
     L"O:S-1-5-21-1-2-3-1000D:(A;;FA;;;S-1-5-21-1-2-3-1000)(A;;FA;;;SY)", kOnlyTrusted},
    {"Domain Users: modify", ADMINS L"(A;;0x1301bf;;;S-1-5-21-1-2-3-513)", kOthersToo},
    {"Users: read", ADMINS L"(A;;0x1200a9;;;BU)", kOnlyTrusted},
    {"Users: full control, only passed on", ADMINS L"(A;OICIIO;FA;;;BU)", kOnlyTrusted},
    {"Users: generic write", ADMINS L"(A;;GW;;;BU)", kOthersToo},
    // Without a "D:" part no access list is present, as GetFileSecurity reports a FAT file.
    {"no access list", L"O:BA", kOthersToo},
    {"a conditional entry", ADMINS L"(A;;FA;;;AU)", kOthersToo, win32::kChangeRights,
     ACCESS_ALLOWED_CALLBACK_ACE_TYPE},
    {"an entry of a kind not judged", ADMINS L"(A;;FA;;;WD)", Access::Unknown, win32::kChangeRights,
     ACCESS_ALLOWED_OBJECT_ACE_TYPE},
    {"Program Files",
     L"O:" TI L"D:PAI(A;;FA;;;" TI L")(A;CIIO;GA;;;" TI L")(A;;0x1301bf;;;SY)(A;OICIIO;GA;;;SY)"
     L"(A;;0x1301bf;;;BA)(A;OICIIO;GA;;;BA)(A;;0x1200a9;;;BU)(A;OICIIO;GXGR;;;BU)"
     L"(A;OICIIO;GA;;;CO)(A;;0x1200a9;;;S-1-15-2-1)(A;OICIIO;GXGR;;;S-1-15-2-1)",
     kOnlyTrusted},
    // Above: a drive root lets Authenticated Users create folders and passes modify on, which
    // C:\Tools, made in it, inherits.
    {"a drive root above",
     L"O:SYD:(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)(A;OICIIO;0x1301bf;;;AU)"
     L"(A;;0x4;;;AU)",
     kOnlyTrusted, win32::kReplaceRights},
    {"C:\\Tools above", L"O:BAD:AI(A;ID;FA;;;BA)(A;ID;FA;;;SY)(A;ID;0x1301bf;;;AU)", kOthersToo,
     win32::kReplaceRights},
    // Lists that do not hold what they say cannot be judged.
    {"an entry cut before its account", ADMINS L"(A;;FA;;;WD)", Access::Unknown,
     win32::kChangeRights, ACCESS_ALLOWED_ACE_TYPE, 8},
    {"an entry cut inside its account", ADMINS L"(A;;FA;;;S-1-5-21-1-2-3-1001)", Access::Unknown,
     win32::kChangeRights, ACCESS_ALLOWED_ACE_TYPE, 20},
    {"a list that claims an entry more", ADMINS, Access::Unknown, win32::kChangeRights,
     ACCESS_ALLOWED_ACE_TYPE, 0, 1},
};

// The list copied to end where readable memory ends, so that a read past it faults, with its
// last entry changed as row asks; nullptr for no list. Each copy takes the place of the last.
ACL* AtMemoryEnd(const ACL* list, const Row& row) {
  constexpr std::size_t kPage = 4096;
  static BYTE* const pages = [] {
    auto* made = static_cast<BYTE*>(
        VirtualAlloc(nullptr, 2 * kPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD previous = 0;
    return made && VirtualProtect(made + kPage, kPage, PAGE_NOACCESS, &previous) ? made : nullptr;
  }();
  void* last = nullptr;
  if (list == nullptr || pages == nullptr ||
      !GetAce(const_cast<ACL*>(list), list->AceCount - 1, &last))
    return nullptr;
  const std::size_t lastAt =
      static_cast<std::size_t>(static_cast<BYTE*>(last) - reinterpret_cast<const BYTE*>(list));
  const WORD lastSize = row.lastSize != 0 ? row.lastSize : static_cast<ACE_HEADER*>(last)->AceSize;
  const std::size_t size = lastAt + lastSize;
  if (size > kPage) return nullptr;
  auto* copy = reinterpret_cast<ACL*>(pages + kPage - size);
  CopyMemory(copy, list, size);
  copy->AclSize = static_cast<WORD>(size);
  copy->AceCount = static_cast<WORD>(copy->AceCount + row.missingEntries);
  auto* copiedLast = reinterpret_cast<ACE_HEADER*>(reinterpret_cast<BYTE*>(copy) + lastAt);
  copiedLast->AceType = row.lastKind;
  copiedLast->AceSize = lastSize;
  return copy;
}

TEST(AccessJudgement, OnlyTrustedAccountsMayChangeAPlace) {
  PSID setupUser = nullptr;
  ASSERT_TRUE(ConvertStringSidToSidW(L"S-1-5-21-1-2-3-1000", &setupUser));
  const win32::UniqueLocal ownedUser(setupUser);
  const win32::TrustedAccounts trusted(setupUser);
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    PSECURITY_DESCRIPTOR made = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(row.sddl, SDDL_REVISION_1,
                                                                     &made, nullptr));
    const win32::UniqueLocal owned(made);
    PSID owner = nullptr;
    BOOL present = FALSE, defaulted = FALSE;
    PACL list = nullptr;
    ASSERT_TRUE(GetSecurityDescriptorOwner(made, &owner, &defaulted));
    ASSERT_TRUE(GetSecurityDescriptorDacl(made, &present, &list, &defaulted));
    ACL* const copy = AtMemoryEnd(list, row);
    ASSERT_EQ(list == nullptr, copy == nullptr) << "no memory for the list";
    SECURITY_DESCRIPTOR descriptor;
    ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
    ASSERT_TRUE(SetSecurityDescriptorOwner(&descriptor, owner, FALSE));
    ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, present, copy, FALSE));
    EXPECT_EQ(win32::JudgeDescriptor(&descriptor, trusted, row.rights), row.expected);
  }
}

TEST(AccessJudgement, OnlyReparsePointsThatNameAnotherPlaceAreLinks) {
  constexpr DWORD kFolder = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
  constexpr DWORD kFile = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_REPARSE_POINT;
  const struct {
    const char* name;
    DWORD attributes, reparseTag;
    bool link;
  } kEntries[] = {
      {"a folder", FILE_ATTRIBUTE_DIRECTORY, 0, false},
      {"a junction", kFolder, IO_REPARSE_TAG_MOUNT_POINT, true},
      {"a symbolic link", kFolder, IO_REPARSE_TAG_SYMLINK, true},
      {"a OneDrive folder", kFolder, IO_REPARSE_TAG_CLOUD_3, false},
      {"a file kept in the cloud", kFile, IO_REPARSE_TAG_CLOUD, false},
      {"a deduplicated file", kFile, IO_REPARSE_TAG_DEDUP, false},
      {"a host's link under Wine, no tag shown", kFolder, 0, true},
  };
  for (const auto& row : kEntries) {
    EXPECT_EQ(win32::NamesAnotherPlace(row.attributes, row.reparseTag), row.link) << row.name;
  }
}

// A drive letter that names a folder (subst, DefineDosDevice) is judged through that folder and
// the folders above it. Wine answers QueryDosDeviceW for such a letter, which is all the
// judgement asks, though it opens no file through it.
TEST(PlaceJudgement, ADriveLetterThatNamesAFolderIsJudgedThroughIt) {
  const std::wstring base = L"C:\\vantrel drive letter";
  for (const wchar_t* folder : {L"", L"\\kept", L"\\kept\\setup", L"\\open", L"\\open\\setup"}) {
    const std::wstring path = base + folder;
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    const win32::UniqueHandle program(
        win32::FromInvalid(CreateFileW((path + L"\\Vantrel.Dll").c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    ASSERT_TRUE(program);
  }
  PSECURITY_DESCRIPTOR everyone = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
      L"D:(A;;FA;;;WD)", SDDL_REVISION_1, &everyone, nullptr));
  const win32::UniqueLocal ownedEveryone(everyone);
  ASSERT_TRUE(SetFileSecurityW((base + L"\\open").c_str(), DACL_SECURITY_INFORMATION, everyone));

  const struct {
    const wchar_t* target;
    DWORD flags;
    platform::PlaceRisk expected;
  } kLetters[] = {
      {L"C:\\vantrel drive letter\\kept", 0, platform::PlaceRisk::None},
      {L"C:\\vantrel drive letter\\open", 0, platform::PlaceRisk::FolderAbove},
      {L"\\??\\UNC\\vantrelhost\\share", DDD_RAW_TARGET_PATH, platform::PlaceRisk::OtherComputer},
      {L"\\??\\Volume{01234567-89ab-cdef-0123-456789abcdef}\\x", DDD_RAW_TARGET_PATH,
       platform::PlaceRisk::Link},
  };
  const win32::Win32FileSecurity security;
  for (const auto& letter : kLetters) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(letter.target)));
    ASSERT_TRUE(DefineDosDeviceW(letter.flags, L"V:", letter.target));
    EXPECT_EQ(security.ReplaceRisk(L"V:\\setup\\", L"Vantrel.Dll"), letter.expected);
    EXPECT_TRUE(DefineDosDeviceW(DDD_REMOVE_DEFINITION, L"V:", nullptr));
  }
}

}  // namespace
