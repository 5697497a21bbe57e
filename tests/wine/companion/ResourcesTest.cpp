// The program's own resources as Windows reads them: the version shown in its properties and
// the manifest that the loader applies.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "CompanionProcess.h"
#include "VantrelVersion.h"

namespace {

std::wstring VersionString(const std::vector<BYTE>& block, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  std::wstring query = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
  if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || length == 0) {
    return L"<missing>";
  }
  return static_cast<const wchar_t*>(value);
}

TEST(CompanionResources, VersionInformationIsJapaneseUnicodeAndTheProjects) {
  const std::wstring program = test::CompanionPath();
  DWORD size = GetFileVersionInfoSizeW(program.c_str(), nullptr);
  ASSERT_NE(0u, size);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  const WORD version[4] = {VANTREL_VERSION_NUMBERS};  // Major, minor, patch, tweak.
  EXPECT_EQ(static_cast<DWORD>(MAKELONG(version[1], version[0])), fixed->dwFileVersionMS);
  EXPECT_EQ(static_cast<DWORD>(MAKELONG(version[3], version[2])), fixed->dwFileVersionLS);
  EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);

  EXPECT_EQ(L"Vantrel", VersionString(block, L"ProductName"));
  EXPECT_EQ(L"" VANTREL_VERSION_TEXT, VersionString(block, L"FileVersion"));
  EXPECT_EQ(L"Vantrel.Dll", VersionString(block, L"OriginalFilename"));
  EXPECT_EQ(L"パスと詳細情報をクリップボードにコピー", VersionString(block, L"FileDescription"));
  EXPECT_NE(std::wstring::npos, VersionString(block, L"LegalCopyright").find(L"Copyright"));
}

TEST(CompanionResources, TheManifestRunsAsInvokerIsDpiAndLongPathAwareWithCommonControls6) {
  HMODULE image = LoadLibraryExW(test::CompanionPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(nullptr, image);
  HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(nullptr, found);
  const char* text = static_cast<const char*>(LockResource(LoadResource(image, found)));
  const std::string manifest(text, SizeofResource(image, found));
  FreeLibrary(image);
  EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\""));
  EXPECT_NE(std::string::npos, manifest.find("<dpiAware"));
  EXPECT_NE(std::string::npos, manifest.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"));
  EXPECT_NE(std::string::npos, manifest.find(">true</longPathAware>"));
  EXPECT_NE(std::string::npos,
            manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
}

}  // namespace
