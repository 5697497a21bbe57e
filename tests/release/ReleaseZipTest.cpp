// The release as a user gets it: the zip unpacked under C:\Program Files\ into a directory with a
// space and Japanese in its name, installed from there, one verb started through the shell, and
// uninstalled again. unpack-and-run.sh unpacks the zip and names the directory in
// VANTREL_RELEASE_DIR, and the zip in VANTREL_RELEASE_ZIP_NAME; without them the case skips.
#include <windows.h>

#include <array>

#include "DirectoryListing.h"
#include "InstallerFixture.h"
#include "RegistryImage.h"
#include "ShellVerbs.h"
#include "VantrelVersion.h"
#include "VerbStarts.h"
#include "dialog/ControlIds.h"
#include "tests/wine/companion/TestClipboard.h"

namespace e2e {
namespace {

constexpr std::array<const wchar_t*, 5> kReleaseFiles = {
    L"Install.exe", L"Vantrel.Dll", L"Install.ini", L"読んでください.txt", L"README.txt"};
constexpr wchar_t kFolderParent[] = L"C:\\リリース 確認 用";
constexpr wchar_t kFolder[] = L"C:\\リリース 確認 用\\対象 フォルダ";
constexpr wchar_t kBefore[] = L"実行前の クリップボード";

std::wstring FromEnvironment(const wchar_t* name) {
  wchar_t buffer[MAX_PATH] = L"";
  const DWORD length = GetEnvironmentVariableW(name, buffer, MAX_PATH);
  return length == 0 || length >= MAX_PATH ? std::wstring() : std::wstring(buffer, length);
}

// The text of one of a program's version resource strings ("FileVersion", "ProductVersion").
std::wstring VersionText(const std::wstring& program, const wchar_t* name) {
  std::vector<BYTE> block(GetFileVersionInfoSizeW(program.c_str(), nullptr));
  const std::wstring query = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
  void* text = nullptr;
  UINT length = 0;
  const auto size = static_cast<DWORD>(block.size());
  if (size == 0 || !GetFileVersionInfoW(program.c_str(), 0, size, block.data()) ||
      !VerQueryValueW(block.data(), query.c_str(), &text, &length) || length == 0)
    return L"<missing>";
  return static_cast<const wchar_t*>(text);
}

// The five titles of the release's settings file, read by the system's own profile functions
// rather than by the installer's reader.
std::array<std::wstring, 5> SettingsTitles(const std::wstring& dir) {
  std::array<std::wstring, 5> titles;
  const std::wstring settings = dir + kSettingsName;
  for (size_t i = 0; i < titles.size(); ++i) {
    wchar_t title[256] = L"";
    const std::wstring section = L"Menu" + std::to_wstring(i + 1);
    GetPrivateProfileStringW(section.c_str(), L"Title", L"<missing>", title, 256, settings.c_str());
    titles[i] = title;
  }
  return titles;
}

class ReleaseZipTest : public InstallerTest {
 protected:
  // Not the base's set-up: nothing is staged, the release is used as it was unpacked.
  void SetUp() override {
    dir_ = FromEnvironment(L"VANTREL_RELEASE_DIR");
    zipName_ = FromEnvironment(L"VANTREL_RELEASE_ZIP_NAME");
    if (dir_.empty() || zipName_.empty()) GTEST_SKIP() << "no unpacked release named";
    ASSERT_TRUE(RemoveAllVerbs()) << "a verb key of an earlier run survived its removal";
    ASSERT_TRUE(CreateDirectoryW(kFolderParent, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(CreateDirectoryW(kFolder, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  }

  std::wstring dir_;
  std::wstring zipName_;
};

TEST_F(ReleaseZipTest, UnpackedReleaseInstallsStartsAVerbAndUninstalls) {
  // Every name came out of the zip as Windows must see it, the Japanese one included.
  const std::vector<std::wstring> listing = ListDirectory(dir_);
  EXPECT_EQ(listing.size(), kReleaseFiles.size()) << testing::PrintToString(listing);
  for (const wchar_t* name : kReleaseFiles) {
    EXPECT_NE(GetFileAttributesW((dir_ + name).c_str()), INVALID_FILE_ATTRIBUTES)
        << "missing: " << testing::PrintToString(std::wstring(name));
  }

  // The zip's name and both programs carry the one version.
  const std::wstring version = L"" VANTREL_VERSION_TEXT;
  EXPECT_EQ(zipName_, L"Vantrel-" + version + (sizeof(void*) == 8 ? L"-win64.zip" : L"-win32.zip"));
  for (const wchar_t* program : {L"Install.exe", L"Vantrel.Dll"}) {
    for (const wchar_t* name : {L"FileVersion", L"ProductVersion"})
      EXPECT_EQ(VersionText(dir_ + program, name), version) << program << " " << name;
  }

  const std::array<std::wstring, 5> titles = SettingsTitles(dir_);
  ASSERT_NO_FATAL_FAILURE(Launch(dir_));
  const std::vector<Row> rows = Rows();
  ASSERT_EQ(rows.size(), titles.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].text, titles[i]) << "row " << i;
    EXPECT_TRUE(rows[i].checked) << "row " << i;
  }
  ASSERT_TRUE(Click(IDC_INSTALL));
  ASSERT_NO_FATAL_FAILURE(ExpectOutcome(L"インストールに成功しました！", BoxIcon::Information));

  // All ten verbs carry the release's titles and start the quoted companion of the unpacked
  // directory.
  EXPECT_EQ(ReadVerbImage(), InstalledImage(dir_, titles));

  // Started on the folder's short name, so that the long form on the clipboard is the
  // companion's own work.
  wchar_t shortFolder[MAX_PATH] = L"";
  const DWORD shortLength = GetShortPathNameW(kFolder, shortFolder, MAX_PATH);
  ASSERT_TRUE(shortLength > 0 && shortLength < MAX_PATH);
  ASSERT_TRUE(test::SetClipboardText(kBefore));
  std::wstring error;
  EXPECT_TRUE(StartFolderVerb(L"Vantrel2", shortFolder, &error)) << error;
  EXPECT_EQ(test::ClipboardText(), kFolderParent);

  ASSERT_NO_FATAL_FAILURE(Launch(dir_));
  ASSERT_TRUE(Click(IDC_UNINSTALL));
  ASSERT_NO_FATAL_FAILURE(ExpectOutcome(L"アンインストールに成功しました！", BoxIcon::Information));
  EXPECT_EQ(ReadVerbImage(), RegistryImage());
}

}  // namespace
}  // namespace e2e
