#include "companion/win32/Win32ItemQueries.h"

#include <windows.h>

#include "companion/PathText.h"
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

ItemFacts ToFacts(DWORD attributes, DWORD sizeHigh, DWORD sizeLow, const FILETIME& created,
                  const FILETIME& modified, const FILETIME& accessed) {
  ItemFacts facts;
  facts.kind = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? ItemKind::Folder : ItemKind::File;
  facts.size = (static_cast<std::uint64_t>(sizeHigh) << 32) | sizeLow;
  facts.created = ToLocalTime(created);
  facts.modified = ToLocalTime(modified);
  facts.accessed = ToLocalTime(accessed);
  facts.attributes = attributes;
  return facts;
}

}  // namespace

std::wstring Win32ItemQueries::LongPath(const std::wstring& path) {
  const std::wstring full = ForFileCalls(path);
  std::wstring longPath = CallWithGrowingBuffer(
      [&](wchar_t* buffer, DWORD size) { return GetLongPathNameW(full.c_str(), buffer, size); });
  return WithoutExtendedLengthPrefix(longPath.empty() ? full : longPath);
}

std::wstring Win32ItemQueries::ShortPath(const std::wstring& path) {
  const std::wstring full = ForFileCalls(path);
  return WithoutExtendedLengthPrefix(CallWithGrowingBuffer(
      [&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(full.c_str(), buffer, size); }));
}

ItemFacts Win32ItemQueries::Facts(const std::wstring& path) {
  const std::wstring called = ForFileCalls(path);
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (GetFileAttributesExW(called.c_str(), GetFileExInfoStandard, &data)) {
    return ToFacts(data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow,
                   data.ftCreationTime, data.ftLastWriteTime, data.ftLastAccessTime);
  }
  // A file another program holds open without sharing (a page file, say) refuses the
  // attribute call but still shows in its folder's listing.
  if (GetLastError() != ERROR_SHARING_VIOLATION) return ItemFacts();
  WIN32_FIND_DATAW found;
  const UniqueFind search(FromInvalid(FindFirstFileW(called.c_str(), &found)));
  if (!search) return ItemFacts();
  return ToFacts(found.dwFileAttributes, found.nFileSizeHigh, found.nFileSizeLow,
                 found.ftCreationTime, found.ftLastWriteTime, found.ftLastAccessTime);
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
