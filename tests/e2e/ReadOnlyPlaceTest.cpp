// An installation copied from a CD or a locked-down share arrives read-only, the directory and
// its files alike. The setup needs nothing written there: it installs and uninstalls all the
// same and leaves the directory exactly as it found it.
#include "DirectoryListing.h"
#include "InstallerFixture.h"
#include "RegistryImage.h"
#include "dialog/ControlIds.h"

namespace e2e {
namespace {

constexpr wchar_t kReadOnlyDir[] = L"C:\\テスト 用\\読み取り専用 セットアップ\\";

class ReadOnlyPlaceTest : public InstallerTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(InstallerTest::SetUp());
    // An earlier run in this prefix may have left the directory read-only: open it up to stage.
    MarkReadOnly(kReadOnlyDir, false);
    ASSERT_NO_FATAL_FAILURE(Stage(kReadOnlyDir, StageContents{}));
    ASSERT_TRUE(MarkReadOnly(kReadOnlyDir, true));
    ASSERT_TRUE(FilesReadOnly(kReadOnlyDir)) << "the read-only attribute did not hold";
  }

  void TearDown() override { MarkReadOnly(kReadOnlyDir, false); }
};

TEST_F(ReadOnlyPlaceTest, InstallAndUninstallWriteNothingIntoTheDirectory) {
  const std::vector<std::wstring> before = ListDirectory(kReadOnlyDir);

  ASSERT_NO_FATAL_FAILURE(InstallAsStarted(kReadOnlyDir));
  EXPECT_EQ(ReadVerbImage(), InstalledImage(kReadOnlyDir));
  EXPECT_EQ(ListDirectory(kReadOnlyDir), before);

  ASSERT_NO_FATAL_FAILURE(Launch(kReadOnlyDir));
  ASSERT_TRUE(Click(IDC_UNINSTALL));
  ASSERT_NO_FATAL_FAILURE(ExpectOutcome(L"アンインストールに成功しました！", BoxIcon::Information));
  EXPECT_EQ(ReadVerbImage(), RegistryImage());
  EXPECT_EQ(ListDirectory(kReadOnlyDir), before);
}

}  // namespace
}  // namespace e2e
