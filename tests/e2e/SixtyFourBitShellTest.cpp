// The release is a 32-bit setup, which nearly every Windows runs under WoW64, while Explorer is
// a 64-bit program: the verbs go where the 64-bit shell reads them, also where keys of the
// 32-bit view would take a 32-bit program's writes, and the 64-bit shell starts them from there.
// (What the companion it starts reports of the 64-bit file system: CompanionOnRedirectedPaths.)
#include <windows.h>

#include "BuildProducts.h"
#include "InstallerFixture.h"
#include "RegistryImage.h"
#include "ShellVerbs.h"
#include "VerbStarts.h"
#include "dialog/ControlIds.h"

namespace e2e {
namespace {

constexpr wchar_t kStage[] = L"C:\\テスト 用\\六十四 ビット\\";
constexpr wchar_t kFolder[] = L"C:\\テスト 用\\六十四 ビット";
// Under Wine these send a 32-bit program's writes under "*" and "Folder" to keys of their own.
constexpr const wchar_t* kThirtyTwoBitRoots[] = {L"Wow6432Node\\*", L"Wow6432Node\\Folder"};

class SixtyFourBitShellTest : public InstallerTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(InstallerTest::SetUp());
    if (Products().shellVerb64.empty()) GTEST_SKIP() << "the driver was not given the 64-bit shell";
    ASSERT_NO_FATAL_FAILURE(Stage(kStage, StageContents{}));
    for (const wchar_t* root : kThirtyTwoBitRoots) ASSERT_TRUE(WriteImage({{root, {}}}));
  }
  void TearDown() override {
    for (const wchar_t* root : kThirtyTwoBitRoots) RemoveClassesTree(root);
  }

  // Runs verb on item through the 64-bit shell ("*": a file's verbs; "-": the shell chooses)
  // and returns the command line the companion was started with.
  std::wstring StartedThroughTheShell(const wchar_t* verb, const wchar_t* verbClass,
                                      const std::wstring& item) {
    const std::wstring line = L" " + std::wstring(verb) + L" " + verbClass + L" \"" + item + L"\"";
    std::wstring error;
    EXPECT_TRUE(RunCommandLine(L"\"" + Products().shellVerb64 + L"\"" + line, &error)) << error;
    const std::vector<std::wstring> log = CompanionLog(kStage);
    return log.empty() ? L"<not started>" : log.back();
  }
};

TEST_F(SixtyFourBitShellTest, TheVerbsGoWhereThe64BitShellReadsThemAndStartFromThere) {
  ASSERT_NO_FATAL_FAILURE(InstallAsStarted(kStage));
  EXPECT_EQ(ReadVerbImage(), InstalledImage(kStage));
  for (const wchar_t* root : kThirtyTwoBitRoots) {
    EXPECT_FALSE(ClassesKeyExists(std::wstring(root) + L"\\shell")) << "written under " << root;
  }

  const std::wstring companion = L"\"" + std::wstring(kStage) + kCompanionName + L"\" ";
  const std::wstring file = std::wstring(kStage) + kSettingsName;
  EXPECT_EQ(StartedThroughTheShell(L"Vantrel5", L"*", file), companion + L"5 \"" + file + L"\"");
  EXPECT_EQ(StartedThroughTheShell(L"Vantrel1", L"-", kFolder),
            companion + L"1 \"" + kFolder + L"\"");

  // The next start finds the verbs where they were written, and Uninstall takes them from there.
  ASSERT_NO_FATAL_FAILURE(Launch(kStage));
  EXPECT_TRUE(IsWindowEnabled(Control(IDC_UNINSTALL)));
  ASSERT_TRUE(Click(IDC_UNINSTALL));
  ASSERT_NO_FATAL_FAILURE(ExpectOutcome(L"アンインストールに成功しました！", BoxIcon::Information));
  EXPECT_EQ(ReadVerbImage(), RegistryImage());
}

}  // namespace
}  // namespace e2e
