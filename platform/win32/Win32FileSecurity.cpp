#include <windows.h>

#include <optional>
#include <utility>
#include <vector>

#include "platform/win32/AccessJudgement.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32System.h"

namespace win32 {
namespace {

// The drive root a local path starts with ("C:\", also as "\\?\C:\"); empty for any other.
std::wstring DriveRoot(const std::wstring& path) {
  const std::size_t start = path.compare(0, 4, L"\\\\?\\") == 0 ? 4 : 0;
  const bool drive =
      path.size() >= start + 3 && path[start + 1] == L':' && path[start + 2] == L'\\';
  return drive ? path.substr(0, start + 3) : std::wstring();
}

// Each folder below root on the way to folder, folder itself last, without a trailing
// backslash: C:\A and C:\A\B for C:\A\B\.
std::vector<std::wstring> FoldersBelow(const std::wstring& root, const std::wstring& folder) {
  std::vector<std::wstring> levels;
  for (std::size_t slash = folder.find(L'\\', root.size()); slash != std::wstring::npos;
       slash = folder.find(L'\\', slash + 1))
    levels.push_back(folder.substr(0, slash));
  return levels;
}

// What a drive letter stands for (QueryDosDeviceW): "\\??\\C:\\Tools" for one that names a
// folder (subst, DefineDosDevice), a device for a drive of its own; "" when it is not defined.
// Nothing when it cannot be read.
std::optional<std::wstring> TargetOfDrive(wchar_t letter) {
  const wchar_t drive[] = {letter, L':', L'\0'};
  for (DWORD capacity = MAX_PATH; capacity <= 65536; capacity *= 4) {
    std::vector<wchar_t> targets(capacity);
    if (QueryDosDeviceW(drive, targets.data(), capacity) != 0) return std::wstring(targets.data());
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::wstring();
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
  }
  return std::nullopt;
}

// folder with each drive letter that names a folder replaced by that folder, as often as they
// name one another. Nothing when a letter's target cannot be read as a path, or the letters go
// round: such a drive is judged as a link is.
std::optional<std::wstring> ThroughDriveLetters(std::wstring folder) {
  for (int letters = 0; letters < 26; ++letters) {
    const std::wstring root = DriveRoot(folder);
    if (root.empty()) return folder;
    const std::optional<std::wstring> target = TargetOfDrive(root[root.size() - 3]);
    if (!target) return std::nullopt;
    if (target->compare(0, 4, L"\\??\\") != 0) return folder;
    std::wstring named = target->substr(4);
    while (!named.empty() && named.back() == L'\\') named.pop_back();
    // A share: judged as one, whatever path on it.
    if (named.compare(0, 4, L"UNC\\") == 0) return L"\\\\" + named.substr(4) + L"\\";
    if (DriveRoot(named + L"\\").empty()) return std::nullopt;
    // Kept in the extended-length form, which the file calls take beyond MAX_PATH.
    std::wstring through = root.substr(0, root.size() - 3);
    through.append(named).append(1, L'\\').append(folder, root.size(), std::wstring::npos);
    folder = std::move(through);
  }
  return std::nullopt;
}

// A junction, a symbolic link or another reparse point that names another place. A path whose
// directory entry cannot be read is left to its security, which then cannot be read either.
bool IsLink(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  const UniqueFind entry(FromInvalid(FindFirstFileW(path.c_str(), &found)));
  return entry && NamesAnotherPlace(found.dwFileAttributes, found.dwReserved0);
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

// True only when path's security could be read and trusts nobody else with rights.
bool OnlyTrustedMay(const std::wstring& path, const TrustedAccounts& trusted, ACCESS_MASK rights) {
  std::vector<BYTE> descriptor = ReadDescriptor(path);
  return !descriptor.empty() &&
         JudgeDescriptor(descriptor.data(), trusted, rights) == Access::OnlyTrustedMayChange;
}

// The risk at a folder that no drive letter stands in for.
platform::PlaceRisk RiskAt(const std::wstring& folder, const std::wstring& program) {
  // Anything but a drive path names a share (\\server\share\, also as \\?\UNC\...).
  const std::wstring root = DriveRoot(folder);
  if (root.empty() || GetDriveTypeW(root.c_str()) == DRIVE_REMOTE)
    return platform::PlaceRisk::OtherComputer;

  // What is registered is this path, whatever a link on it leads to today. A drive root is
  // never a link on Windows (Wine shows its drive Z: as one).
  const std::vector<std::wstring> levels = FoldersBelow(root, folder);
  const std::wstring file = folder + program;
  for (const std::wstring& level : levels) {
    if (IsLink(level)) return platform::PlaceRisk::Link;
  }
  if (IsLink(file)) return platform::PlaceRisk::Link;

  const TrustedAccounts trusted = TrustedAccounts::OfThisProcess();
  for (const std::wstring& path : {folder, file}) {
    if (!OnlyTrustedMay(path, trusted, kChangeRights)) return platform::PlaceRisk::OtherAccounts;
  }

  // Whoever may delete or rename a folder on the way, or take over the folder holding it, may
  // put a folder of their own in its place. Creating folders (as Authenticated Users may in a
  // drive's root) replaces nothing.
  std::vector<std::wstring> above = {root};
  if (!levels.empty()) above.insert(above.end(), levels.begin(), levels.end() - 1);
  for (const std::wstring& path : above) {
    if (!OnlyTrustedMay(path, trusted, kReplaceRights)) return platform::PlaceRisk::FolderAbove;
  }
  return platform::PlaceRisk::None;
}

}  // namespace

platform::PlaceRisk Win32FileSecurity::ReplaceRisk(const std::wstring& folder,
                                                   const std::wstring& program) const {
  // A drive letter that stands for a folder is only another name for it: the folder, and the
  // folders above it, are what others may change.
  const std::optional<std::wstring> place = ThroughDriveLetters(folder);
  if (!place) return platform::PlaceRisk::Link;
  return RiskAt(*place, program);
}

}  // namespace win32
