// Install asks before registering commands from a place that others may change (every other
// case installs from a new folder, mode 755 under Wine, unasked); Uninstall never asks. A folder
// whose name code page 932 cannot hold is refused at start-up with nothing read or written.
#include <windows.h>
// sddl.h builds on the types windows.h declares.
#include <sddl.h>

#include "InstallerFixture.h"
#include "Polling.h"
#include "RegistryImage.h"
#include "WindowLookup.h"
#include "dialog/ControlIds.h"
#include "dialog/Texts.h"
#include "platform/win32/Handles.h"

namespace e2e {
namespace {

// Lets Everyone change path: under Wine its mode becomes 777.
bool OpenToEveryone(const std::wstring& path) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;FA;;;WD)", SDDL_REVISION_1,
                                                            &descriptor, nullptr))
    return false;
  const win32::UniqueLocal owned(descriptor);
  return SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor) != FALSE;
}

struct OpenPlace {
  const wchar_t* dir;
  const wchar_t* opened;  // below dir: "" is dir itself
};

class OthersMayChangeTest : public InstallerTest, public testing::WithParamInterface<OpenPlace> {
 protected:
  void InstallAnswering(const std::wstring& dir, int answer) {
    ASSERT_TRUE(Click(IDC_INSTALL));
    HWND box = WaitForTopLevel(process_->id(), kDialogClass, kMessageBoxCaption, kWindowTimeoutMs);
    ASSERT_NE(box, nullptr) << "no warning within " << kWindowTimeoutMs << " ms";
    EXPECT_EQ(MessageTextOf(box), std::wstring(texts::kOthersMayChange) + L"\r\n" + dir +
                                      L"\r\n\r\n" + texts::kOthersMayChangeRisk);
    EXPECT_EQ(IconShownBy(box), BoxIcon::Warning);
    EXPECT_EQ(StyleOf(GetDlgItem(box, IDNO)) & BS_TYPEMASK, BS_DEFPUSHBUTTON) << "No is default";
    ASSERT_TRUE(PressButton(box, answer));
    ASSERT_TRUE(PollUntil(kExitTimeoutMs, [&] { return !IsWindow(box); }));
  }
};

TEST_P(OthersMayChangeTest, InstallAsksAndUninstallDoesNot) {
  const std::wstring dir = GetParam().dir;
  ASSERT_NO_FATAL_FAILURE(Stage(dir, StageContents{}));
  ASSERT_TRUE(OpenToEveryone(dir + GetParam().opened));
  ASSERT_NO_FATAL_FAILURE(Launch(dir));
  ASSERT_NO_FATAL_FAILURE(InstallAnswering(dir, IDNO));
  EXPECT_TRUE(IsWindowVisible(window_)) << "No left the dialog";
  EXPECT_EQ(ReadVerbImage(), RegistryImage());
  ASSERT_NO_FATAL_FAILURE(InstallAnswering(dir, IDYES));
  ASSERT_NO_FATAL_FAILURE(ExpectOutcome(L"インストールに成功しました！", BoxIcon::Information));
  EXPECT_EQ(ReadVerbImage(), InstalledImage(dir));

  ASSERT_NO_FATAL_FAILURE(Launch(dir));
  ASSERT_TRUE(Click(IDC_UNINSTALL));
  ASSERT_NO_FATAL_FAILURE(ExpectOutcome(L"アンインストールに成功しました！", BoxIcon::Information));
}

INSTANTIATE_TEST_SUITE_P(Places, OthersMayChangeTest,
                         testing::Values(OpenPlace{L"C:\\共用 フォルダ\\", L""},
                                         OpenPlace{L"C:\\共用 本体\\", L"Vantrel.Dll"}));

class FolderNameTest : public InstallerTest, public testing::WithParamInterface<const wchar_t*> {};

TEST_P(FolderNameTest, StartUpRefusesAndNamesTheFolder) {
  const std::wstring folder = GetParam();
  ASSERT_NO_FATAL_FAILURE(Stage(folder + L"\\", StageContents{}));
  ASSERT_NO_FATAL_FAILURE(Start(folder + L"\\"));
  ASSERT_NO_FATAL_FAILURE(ExpectOutcome(std::wstring(texts::kFolderNameNotHeld) + L"\r\n" + folder +
                                            L"\r\n\r\n" + texts::kMoveToPlainName,
                                        BoxIcon::Error));
  EXPECT_EQ(process_->ExitCode(), 3u);
  EXPECT_EQ(ReadVerbImage(), RegistryImage());
}

INSTANTIATE_TEST_SUITE_P(Names, FolderNameTest,
                         testing::Values(L"C:\\テスト 用\\価格¥一覧", L"C:\\テスト 用\\José",
                                         L"C:\\테스트\\설치 폴더"));

}  // namespace
}  // namespace e2e
