#include <windows.h>

#include <vector>

#include "platform/win32/AccessJudgement.h"
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

// A junction, a symbolic link or any other reparse point. A path whose attributes cannot be
// read is left to its security, which then cannot be read either.
bool IsLink(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
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
         JudgeDescriptor(descriptor.data(), trusted, rights) == Access::Denied;
}

}  // namespace

platform::PlaceRisk Win32FileSecurity::ReplaceRisk(const std::wstring& folder,
                                                   const std::wstring& program) const {
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

}  // namespace win32
