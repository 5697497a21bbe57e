// The release is a 32-bit setup, which nearly every Windows runs under WoW64, while Explorer is
// a 64-bit program: the verbs go where the 64-bit shell reads them, also where keys of the
// 32-bit view would take a 32-bit program's writes, and the companion that the 64-bit shell
// starts reports the items of the 64-bit file system.
#include <windows.h>

#include "BuildProducts.h"
#include "InstallerFixture.h"
#include "RegistryImage.h"
#include "ShellVerbs.h"
#include "VerbStarts.h"
#include "WinePlaces.h"
#include "dialog/ControlIds.h"
#include "tests/wine/companion/TestClipboard.h"

namespace e2e {
namespace {

constexpr wchar_t kStage[] = L"C:\\テスト 用\\六十四 ビット\\";
// Under Wine these send a 32-bit program's writes under "*" and "Folder" to keys of their own.
constexpr const wchar_t* kThirtyTwoBitRoots[] = {L"Wow6432Node\\*", L"Wow6432Node\\Folder"};
constexpr wchar_t kBoth[] = L"C:\\windows\\system32\\vantrel both.txt";
constexpr wchar_t kBothThirtyTwo[] = L"C:\\windows\\syswow64\\vantrel both.txt";
constexpr wchar_t kOnly64[] = L"C:\\windows\\system32\\vantrel only64";

bool WriteFileOfSize(const std::wstring& path, DWORD size) {
  const win32::UniqueHandle file(win32::FromInvalid(CreateFileW(
      path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
  const std::string bytes(size, 'x');
  DWORD written = 0;
  return file && WriteFile(file.get(), bytes.data(), size, &written, nullptr) && written == size;
}

class SixtyFourBitShellTest : public InstallerTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(InstallerTest::SetUp());
    if (Products().realCompanion.empty() || Products().shellVerb64.empty())
      GTEST_SKIP() << "the driver was not given the companion and the 64-bit shell";
    if (!UnderWine()) GTEST_SKIP() << "the 64-bit items are made through the host's view";
    StageContents contents;
    contents.realCompanion = true;
    ASSERT_NO_FATAL_FAILURE(Stage(kStage, contents));
    for (const wchar_t* root : kThirtyTwoBitRoots) {
      HKEY raw = nullptr;
      ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, root, 0, nullptr, 0, KEY_WRITE | kExplorerView,
                                nullptr, &raw, nullptr),
                ERROR_SUCCESS);
      RegCloseKey(raw);
    }
    ASSERT_TRUE(WriteFileOfSize(HostViewOf(kBoth), 111));
    ASSERT_TRUE(WriteFileOfSize(HostViewOf(kBothThirtyTwo), 222));
    ASSERT_TRUE(CreateDirectoryW(HostViewOf(kOnly64).c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
  }

  void TearDown() override {
    for (const wchar_t* root : kThirtyTwoBitRoots) RemoveClassesTree(root);
    DeleteFileW(HostViewOf(kBoth).c_str());
    DeleteFileW(HostViewOf(kBothThirtyTwo).c_str());
    RemoveDirectoryW(HostViewOf(kOnly64).c_str());
  }

  // Runs verb on item through the 64-bit shell ("*": a file's verbs) and returns what the
  // companion copied.
  std::wstring CopiedThroughTheShell(const wchar_t* verb, const wchar_t* verbClass,
                                     const std::wstring& item) {
    EXPECT_TRUE(test::SetClipboardText(L"before the verb"));
    std::wstring error;
    EXPECT_TRUE(RunCommandLine(
        L"\"" + Products().shellVerb64 + L"\" " + verb + L" " + verbClass + L" \"" + item + L"\"",
        &error))
        << error;
    return test::ClipboardText();
  }
};

TEST_F(SixtyFourBitShellTest, TheVerbsRunFromThe64BitShellOnThe64BitFileSystem) {
  ASSERT_NO_FATAL_FAILURE(InstallAsStarted(kStage));
  EXPECT_EQ(ReadVerbImage(), InstalledImage(kStage));
  for (const wchar_t* root : kThirtyTwoBitRoots) {
    EXPECT_FALSE(ClassesKeyExists(std::wstring(root) + L"\\shell")) << "written under " << root;
  }

  const std::wstring details = CopiedThroughTheShell(L"Vantrel5", L"*", kBoth);
  EXPECT_NE(details.find(L"\r\nサイズ: 111 バイト\r\n"), std::wstring::npos)
      << testing::PrintToString(details);
  EXPECT_EQ(CopiedThroughTheShell(L"Vantrel1", L"-", kOnly64), kOnly64);

  // The next start finds the verbs where they were written, and Uninstall takes them from there.
  ASSERT_NO_FATAL_FAILURE(Launch(kStage));
  EXPECT_TRUE(IsWindowEnabled(Control(IDC_UNINSTALL)));
  ASSERT_TRUE(Click(IDC_UNINSTALL));
  ASSERT_NO_FATAL_FAILURE(ExpectOutcome(L"アンインストールに成功しました！", BoxIcon::Information));
  EXPECT_EQ(ReadVerbImage(), RegistryImage());
}

}  // namespace
}  // namespace e2e
