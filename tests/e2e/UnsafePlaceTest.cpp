// Install asks before registering commands from a place that others may change (every other
// case installs from a new folder, mode 755 under Wine, unasked); Uninstall never asks.
#include <windows.h>
// sddl.h builds on the types windows.h declares.
#include <sddl.h>

#include "InstallerFixture.h"
#include "Polling.h"
#include "RegistryImage.h"
#include "WindowLookup.h"
#include "WinePlaces.h"
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

struct UnsafePlace {
  const wchar_t* dir;
  // Opened to everyone after staging; with a linkTarget, the folder below C:\ made a link to
  // it before staging.
  const wchar_t* changed;
  const wchar_t* linkTarget;
  const wchar_t* reason;
};

class OthersMayChangeTest : public InstallerTest, public testing::WithParamInterface<UnsafePlace> {
 protected:
  void InstallAnswering(const std::wstring& dir, int answer) {
    ASSERT_TRUE(Click(IDC_INSTALL));
    HWND box = WaitForTopLevel(process_->id(), kDialogClass, kMessageBoxCaption, kWindowTimeoutMs);
    ASSERT_NE(box, nullptr) << "no warning within " << kWindowTimeoutMs << " ms";
    EXPECT_EQ(MessageTextOf(box), std::wstring(texts::kOthersMayChange) + L"\r\n" + dir + L"\r\n" +
                                      GetParam().reason + L"\r\n\r\n" +
                                      texts::kOthersMayChangeRisk);
    EXPECT_EQ(IconShownBy(box), BoxIcon::Warning);
    EXPECT_EQ(StyleOf(GetDlgItem(box, IDNO)) & BS_TYPEMASK, BS_DEFPUSHBUTTON) << "No is default";
    ASSERT_TRUE(PressButton(box, answer));
    ASSERT_TRUE(PollUntil(kExitTimeoutMs, [&] { return !IsWindow(box); }));
  }
};

TEST_P(OthersMayChangeTest, InstallAsksAndUninstallDoesNot) {
  const UnsafePlace& place = GetParam();
  const std::wstring dir = place.dir;
  if (place.linkTarget != nullptr) {
    if (!UnderWine()) GTEST_SKIP() << "the link is made by the host, under Wine only";
    std::wstring error;
    ASSERT_TRUE(LinkFolder(place.changed, place.linkTarget, &error)) << error;
  }
  ASSERT_NO_FATAL_FAILURE(Stage(dir, StageContents{}));
  if (place.linkTarget == nullptr) {
    ASSERT_TRUE(OpenToEveryone(place.changed));
  }
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

// The folder, the companion, the folder above (777: anyone may rename the setup's folder away)
// and a link on the way (a unix symbolic link reads as a reparse point).
INSTANTIATE_TEST_SUITE_P(
    Places, OthersMayChangeTest,
    testing::Values(UnsafePlace{L"C:\\共用 フォルダ\\", L"C:\\共用 フォルダ\\", nullptr,
                                texts::kOtherAccountsMayChange},
                    UnsafePlace{L"C:\\共用 本体\\", L"C:\\共用 本体\\Vantrel.Dll", nullptr,
                                texts::kOtherAccountsMayChange},
                    UnsafePlace{L"C:\\共用 親\\セットアップ\\", L"C:\\共用 親", nullptr,
                                texts::kFolderAboveMayBeReplaced},
                    UnsafePlace{L"C:\\リンク 経由\\セットアップ\\", L"リンク 経由", L"リンク 先",
                                texts::kLinkOnThePath}));

}  // namespace
}  // namespace e2e
