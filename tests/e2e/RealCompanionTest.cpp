// The real Vantrel.Dll behind the installed verbs: installed from a directory with a space
// and Japanese in its name, each verb puts on the clipboard what its entry promises, and
// Uninstall takes the verbs away again.
#include <windows.h>

#include "BuildProducts.h"
#include "InstallerFixture.h"
#include "RegistryImage.h"
#include "VerbStarts.h"
#include "dialog/ControlIds.h"
#include "platform/win32/Handles.h"
#include "tests/wine/companion/TestClipboard.h"

namespace e2e {
namespace {

constexpr wchar_t kRealStageDir[] = L"C:\\テスト 用\\実物 セットアップ\\";
constexpr wchar_t kFolderName[] = L"実物 対象 フォルダ";
constexpr wchar_t kFolder[] = L"C:\\テスト 用\\実物 対象 フォルダ";
constexpr wchar_t kFile[] = L"C:\\テスト 用\\実物 対象 フォルダ\\月次 報告 書.txt";
constexpr wchar_t kBefore[] = L"実行前の クリップボード";

// The short (8.3) form, or the path itself where the volume keeps no short names.
std::wstring ShortFormOf(const std::wstring& path) {
  wchar_t buffer[MAX_PATH] = L"";
  const DWORD length = GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
  return length == 0 || length >= MAX_PATH ? path : std::wstring(buffer, length);
}

class RealCompanionTest : public InstallerTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(InstallerTest::SetUp());
    if (Products().realCompanion.empty()) GTEST_SKIP() << "the driver was not given the companion";
    StageContents contents;
    contents.realCompanion = true;
    ASSERT_NO_FATAL_FAILURE(Stage(kRealStageDir, contents));
    ASSERT_TRUE(CreateDirectoryW(kFolder, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    win32::UniqueHandle file(win32::FromInvalid(CreateFileW(
        kFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    ASSERT_TRUE(file);
  }

  // Runs the folder verb of entry through the shell and returns what the companion copied.
  std::wstring CopiedByFolderVerb(int entry) {
    EXPECT_TRUE(test::SetClipboardText(kBefore));
    std::wstring error;
    EXPECT_TRUE(StartFolderVerb(L"Vantrel" + std::to_wstring(entry), kFolder, &error)) << error;
    return test::ClipboardText();
  }

  // Runs the file verb of entry as the shell would expand it and returns what was copied.
  std::wstring CopiedByFileVerb(int entry) {
    EXPECT_TRUE(test::SetClipboardText(kBefore));
    const std::wstring command = DefaultText(CommandKeyPath(VerbRoot::Files, entry)).value_or(L"");
    std::wstring error;
    EXPECT_TRUE(RunCommandLine(ExpandForItem(command, kFile), &error)) << error;
    return test::ClipboardText();
  }
};

TEST_F(RealCompanionTest, InstalledVerbsCopyWhatTheirEntriesPromiseUntilUninstalled) {
  ASSERT_NO_FATAL_FAILURE(InstallAsStarted(kRealStageDir));

  EXPECT_EQ(CopiedByFolderVerb(1), kFolder);
  const std::wstring details = CopiedByFolderVerb(5);
  EXPECT_EQ(details.rfind(
                std::wstring(L"名前: ") + kFolderName + L"\r\nフルパス: " + kFolder + L"\r\n", 0),
            0u)
      << testing::PrintToString(details);
  EXPECT_EQ(CopiedByFileVerb(3), ShortFormOf(kFile));

  ASSERT_NO_FATAL_FAILURE(Launch(kRealStageDir));
  ASSERT_TRUE(Click(IDC_UNINSTALL));
  ASSERT_NO_FATAL_FAILURE(ExpectOutcome(L"アンインストールに成功しました！", BoxIcon::Information));
  EXPECT_EQ(ReadVerbImage(), RegistryImage());
}

}  // namespace
}  // namespace e2e
