#include "companion/win32/Win32ItemQueries.h"

#include <windows.h>

#include "companion/PathText.h"
#include "companion/win32/SixtyFourBitFileView.h"
#include "platform/win32/Handles.h"
#include "platform/win32/TextBuffer.h"

namespace companion::win32 {
namespace {

using ::win32::FromInvalid;
using ::win32::TextFromCall;
using ::win32::UniqueFind;

// The path calls return the length written, or the size they need when the buffer is too
// small, and 0 when they fail.
template <typename PathCall>
std::wstring CallWithGrowingBuffer(PathCall call) {
  return TextFromCall([&](wchar_t* buffer, std::size_t capacity) {
    return static_cast<std::size_t>(call(buffer, static_cast<DWORD>(capacity)));
  });
}

std::wstring FullPath(const std::wstring& path) {
  std::wstring full = CallWithGrowingBuffer([&](wchar_t* buffer, DWORD size) {
    return GetFullPathNameW(path.c_str(), size, buffer, nullptr);
  });
  return full.empty() ? path : full;
}

// The path as the file calls take it: beyond MAX_PATH in the extended-length form, which
// they accept even where long paths are not enabled for the system.
std::wstring ForFileCalls(const std::wstring& path) {
  const std::wstring full = FullPath(path);
  return full.size() < MAX_PATH ? full : ExtendedLengthForm(full);
}

LocalTime ToLocalTime(const FILETIME& fileTime) {
  LocalTime local;
  SYSTEMTIME utc;
  SYSTEMTIME there;
  if (fileTime.dwLowDateTime == 0 && fileTime.dwHighDateTime == 0) return local;
  // The zone rules of that date, not today's, so that a summer time shows as it was.
  if (!FileTimeToSystemTime(&fileTime, &utc) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &there)) {
    return local;
  }
  local.known = true;
  local.year = there.wYear;
  local.month = there.wMonth;
  local.day = there.wDay;
  local.hour = there.wHour;
  local.minute = there.wMinute;
  local.second = there.wSecond;
  return local;
}

ItemFacts ToFacts(const WIN32_FILE_ATTRIBUTE_DATA& data) {
  ItemFacts facts;
  facts.kind =
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? ItemKind::Folder : ItemKind::File;
  facts.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  facts.created = ToLocalTime(data.ftCreationTime);
  facts.modified = ToLocalTime(data.ftLastWriteTime);
  facts.accessed = ToLocalTime(data.ftLastAccessTime);
  facts.attributes = data.dwFileAttributes;
  return facts;
}

// The item's path as a long or short name call (GetLongPathNameW, GetShortPathNameW) gives it.
template <typename NameCall>
std::wstring NamedAs(const std::wstring& full, NameCall call) {
  const ScopedSixtyFourBitFileView view;
  return CallWithGrowingBuffer(
      [&](wchar_t* buffer, DWORD size) { return call(full.c_str(), buffer, size); });
}

// The item's attributes, size and times as its file system holds them; false when there is no
// such item.
bool ReadEntry(const std::wstring& called, WIN32_FILE_ATTRIBUTE_DATA* data) {
  const ScopedSixtyFourBitFileView view;
  if (GetFileAttributesExW(called.c_str(), GetFileExInfoStandard, data)) return true;
  // A file another program holds open without sharing (a page file, say) refuses the
  // attribute call but still shows in its folder's listing.
  if (GetLastError() != ERROR_SHARING_VIOLATION) return false;
  WIN32_FIND_DATAW found;
  const UniqueFind search(FromInvalid(FindFirstFileW(called.c_str(), &found)));
  if (!search) return false;
  *data = {found.dwFileAttributes, found.ftCreationTime, found.ftLastAccessTime,
           found.ftLastWriteTime,  found.nFileSizeHigh,  found.nFileSizeLow};
  return true;
}

}  // namespace

std::wstring Win32ItemQueries::LongPath(const std::wstring& path) {
  const std::wstring full = ForFileCalls(path);
  const std::wstring longPath = NamedAs(full, GetLongPathNameW);
  return WithoutExtendedLengthPrefix(longPath.empty() ? full : longPath);
}

std::wstring Win32ItemQueries::ShortPath(const std::wstring& path) {
  return WithoutExtendedLengthPrefix(NamedAs(ForFileCalls(path), GetShortPathNameW));
}

ItemFacts Win32ItemQueries::Facts(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return ReadEntry(ForFileCalls(path), &data) ? ToFacts(data) : ItemFacts();
}

// Explorer sorts names with StrCmpLogicalW. Shlwapi, a KnownDLL, is only loaded for the first
// comparison, which only a selection of several items makes: one item starts without it.
// Should it not load, names compare by their text without case.
int Win32ItemQueries::CompareNames(const std::wstring& a, const std::wstring& b) {
  if (!lookedForShlwapi_) {
    lookedForShlwapi_ = true;
    shlwapi_.reset(LoadLibraryW(L"shlwapi.dll"));
    const FARPROC proc = shlwapi_ ? GetProcAddress(shlwapi_.get(), "StrCmpLogicalW") : nullptr;
    static_assert(sizeof logicalCompare_ == sizeof proc, "function pointers differ in size");
    if (proc != nullptr) CopyMemory(&logicalCompare_, &proc, sizeof logicalCompare_);
  }
  if (logicalCompare_ != nullptr) return logicalCompare_(a.c_str(), b.c_str());
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) - CSTR_EQUAL;
}

}  // namespace companion::win32
