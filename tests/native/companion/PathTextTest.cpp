#include <gtest/gtest.h>

#include "companion/PathText.h"

namespace companion {
namespace {

TEST(PathTextRoots, DriveRootIncludesItsBackslash) {
  EXPECT_EQ(3u, RootLength(L"C:\\"));
  EXPECT_EQ(3u, RootLength(L"c:\\Windows\\System32"));
  EXPECT_EQ(2u, RootLength(L"C:relative"));
}

TEST(PathTextRoots, ShareRootEndsAfterTheShareName) {
  EXPECT_EQ(std::wstring(L"\\\\server\\share").size(), RootLength(L"\\\\server\\share\\dir\\x"));
  EXPECT_EQ(std::wstring(L"\\\\server\\share").size(), RootLength(L"\\\\server\\share"));
  EXPECT_EQ(std::wstring(L"\\\\server").size(), RootLength(L"\\\\server"));
}

TEST(PathTextRoots, ExtendedLengthPrefixesKeepTheirRoot) {
  EXPECT_EQ(7u, RootLength(L"\\\\?\\C:\\long\\path"));
  EXPECT_EQ(std::wstring(L"\\\\?\\UNC\\srv\\sh").size(), RootLength(L"\\\\?\\UNC\\srv\\sh\\f"));
  EXPECT_EQ(std::wstring(L"\\\\?\\unc\\srv\\sh").size(), RootLength(L"\\\\?\\unc\\srv\\sh\\f"));
}

TEST(PathTextRoots, RelativePathsHaveNone) {
  EXPECT_EQ(0u, RootLength(L"dir\\file"));
  EXPECT_EQ(0u, RootLength(L""));
  EXPECT_EQ(1u, RootLength(L"\\dir"));
}

TEST(PathTextTrim, DropsTrailingSeparatorsButKeepsRoots) {
  EXPECT_EQ(L"C:\\Data", TrimTrailingSeparators(L"C:\\Data\\"));
  EXPECT_EQ(L"C:\\Data", TrimTrailingSeparators(L"C:\\Data\\\\/"));
  EXPECT_EQ(L"C:\\", TrimTrailingSeparators(L"C:\\"));
  EXPECT_EQ(L"C:\\", TrimTrailingSeparators(L"C:\\\\"));
  EXPECT_EQ(L"\\\\server\\share", TrimTrailingSeparators(L"\\\\server\\share\\"));
  EXPECT_EQ(L"\\", TrimTrailingSeparators(L"\\"));
}

TEST(PathTextLocation, IsTheHoldingFolder) {
  EXPECT_EQ(L"C:\\Data\\Sub", LocationOf(L"C:\\Data\\Sub\\report.txt"));
  EXPECT_EQ(L"C:\\Data", LocationOf(L"C:\\Data\\Sub\\"));
  EXPECT_EQ(L"C:\\Data", LocationOf(L"C:\\Data\\\\Sub"));
  EXPECT_EQ(L"C:/Data", LocationOf(L"C:/Data/file"));
}

TEST(PathTextLocation, DirectlyUnderADriveIsTheDriveRoot) {
  EXPECT_EQ(L"C:\\", LocationOf(L"C:\\report.txt"));
  EXPECT_EQ(L"D:\\", LocationOf(L"D:\\Folder\\"));
}

TEST(PathTextLocation, ARootIsItsOwnLocation) {
  EXPECT_EQ(L"C:\\", LocationOf(L"C:\\"));
  EXPECT_EQ(L"\\\\server\\share", LocationOf(L"\\\\server\\share"));
  EXPECT_EQ(L"\\\\server\\share", LocationOf(L"\\\\server\\share\\"));
}

TEST(PathTextLocation, KeepsTheSharePrefix) {
  EXPECT_EQ(L"\\\\server\\share", LocationOf(L"\\\\server\\share\\file.txt"));
  EXPECT_EQ(L"\\\\server\\share\\dir", LocationOf(L"\\\\server\\share\\dir\\file.txt"));
  EXPECT_EQ(L"\\\\?\\UNC\\srv\\sh", LocationOf(L"\\\\?\\UNC\\srv\\sh\\file"));
  EXPECT_EQ(L"\\\\?\\C:\\", LocationOf(L"\\\\?\\C:\\file"));
}

TEST(PathTextName, IsTheLastComponent) {
  EXPECT_EQ(L"report 2026.txt", NameOf(L"C:\\Data\\report 2026.txt"));
  EXPECT_EQ(L"資料", NameOf(L"C:\\資料\\"));
  EXPECT_EQ(L"file", NameOf(L"\\\\server\\share\\file"));
  EXPECT_EQ(L"file", NameOf(L"C:\\file"));
}

TEST(PathTextName, OfARootIsTheRoot) {
  EXPECT_EQ(L"C:\\", NameOf(L"C:\\"));
  EXPECT_EQ(L"\\\\server\\share", NameOf(L"\\\\server\\share\\"));
}

// Each row: a path and its extended-length form.
TEST(PathTextExtendedLength, PrefixesAbsolutePathsAndGivesThemBackUnprefixed) {
  const struct {
    const wchar_t* path;
    const wchar_t* extended;
  } rows[] = {
      {L"C:\\長い フォルダ\\x.txt", L"\\\\?\\C:\\長い フォルダ\\x.txt"},
      {L"C:/a/b", L"\\\\?\\C:\\a\\b"},
      {L"\\\\server\\share\\d", L"\\\\?\\UNC\\server\\share\\d"},
      {L"\\\\?\\C:\\kept", L"\\\\?\\C:\\kept"},
      {L"relative\\x", L"relative\\x"},
      {L"C:x", L"C:x"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.extended, ExtendedLengthForm(row.path)) << row.path;
  }
  EXPECT_EQ(L"C:\\a\\b", WithoutExtendedLengthPrefix(L"\\\\?\\C:\\a\\b"));
  EXPECT_EQ(L"\\\\server\\share\\d", WithoutExtendedLengthPrefix(L"\\\\?\\UNC\\server\\share\\d"));
  EXPECT_EQ(L"\\\\?\\Volume{x}\\d", WithoutExtendedLengthPrefix(L"\\\\?\\Volume{x}\\d"));
  EXPECT_EQ(L"C:\\plain", WithoutExtendedLengthPrefix(L"C:\\plain"));
}

}  // namespace
}  // namespace companion
