#include <gtest/gtest.h>

#include "dialog/Texts.h"
#include "tests/native/Harness.h"

namespace {

using platform::Button;
using platform::MessageIcon;
using testing_support::Harness;
using testing_support::kAppDir;

std::vector<bool> Ticks(const fake::FakeDialogWindow& window) {
  std::vector<bool> ticks;
  for (const auto& row : window.rows()) ticks.push_back(row.checked);
  return ticks;
}

std::vector<std::int32_t> Flags(const fake::FakeDialogWindow& window) {
  std::vector<std::int32_t> flags;
  for (const auto& row : window.rows()) flags.push_back(row.data);
  return flags;
}

TEST(FormLoad, WithNothingRegisteredTicksEveryRowForBothTargets) {
  Harness h;
  h.WithCompanionFiles();
  ASSERT_TRUE(h.form.Form_Load());

  ASSERT_EQ(h.window.rows().size(), 5u);
  EXPECT_EQ(h.window.rows()[0].text, L"パスをコピー");
  EXPECT_EQ(h.window.rows()[4].text, L"詳細情報");
  EXPECT_EQ(Ticks(h.window), std::vector<bool>(5, true));
  EXPECT_EQ(Flags(h.window), std::vector<std::int32_t>(5, 3));
  EXPECT_FALSE(h.window.ButtonEnabled(Button::Uninstall));
  EXPECT_TRUE(h.window.ButtonEnabled(Button::Install));
  EXPECT_EQ(h.window.hint(), L" ") << "no current row: a single space";
  EXPECT_EQ(h.app.HelpFile(), L"C:\\Program Files\\Vantrel\\Vantrel.hlp");
  EXPECT_EQ(h.form.AppDir(), L"C:\\Program Files\\Vantrel\\");
  EXPECT_TRUE(h.window.messages().empty());
  EXPECT_FALSE(h.window.closed());
  EXPECT_EQ(h.registry.OpenHandles(), 0);
}

TEST(FormLoad, ShowsWhatIsRegisteredWithoutTickingTheRest) {
  Harness h;
  h.WithCompanionFiles();
  h.Register("Folder", 2);
  ASSERT_TRUE(h.form.Form_Load());

  EXPECT_EQ(Ticks(h.window), (std::vector<bool>{false, true, false, false, false}));
  EXPECT_EQ(Flags(h.window), (std::vector<std::int32_t>{3, 2, 3, 3, 3}));
  EXPECT_TRUE(h.window.ButtonEnabled(Button::Uninstall));
  EXPECT_TRUE(h.window.ButtonEnabled(Button::Install));
}

TEST(FormLoad, ReadsBothRootsOfAnEntry) {
  Harness h;
  h.WithCompanionFiles();
  h.Register("*", 5);
  h.Register("Folder", 5);
  h.Register("*", 1);
  ASSERT_TRUE(h.form.Form_Load());
  EXPECT_EQ(Flags(h.window), (std::vector<std::int32_t>{1, 3, 3, 3, 3}));
  EXPECT_EQ(Ticks(h.window), (std::vector<bool>{true, false, false, false, true}));
}

TEST(FormLoad, AKeyThatCannotBeOpenedCountsAsNotRegistered) {
  Harness h;
  h.WithCompanionFiles();
  h.registry.DenyFullAccess("*\\shell\\Vantrel3");
  ASSERT_TRUE(h.form.Form_Load());
  EXPECT_EQ(Ticks(h.window), std::vector<bool>(5, true));
  EXPECT_FALSE(h.window.ButtonEnabled(Button::Uninstall));
}

TEST(FormLoad, NamesOnlyTheFirstMissingCompanionFileAndCloses) {
  Harness h;  // neither file is there
  EXPECT_FALSE(h.form.Form_Load());
  ASSERT_EQ(h.window.messages().size(), 1u);
  EXPECT_EQ(h.window.messages()[0].text,
            L"次のファイルが存在しません。インストールに必要です\r\nVantrel.Dll");
  EXPECT_EQ(h.window.messages()[0].icon, MessageIcon::Error);
  EXPECT_TRUE(h.window.closed());
  EXPECT_TRUE(h.window.rows().empty());
  EXPECT_EQ(h.registry.callCount(), 0) << "nothing is probed or written";
  EXPECT_EQ(h.profile.reads(), 0);
}

TEST(FormLoad, NamesTheSettingsFileWhenOnlyItIsMissing) {
  Harness h;
  h.files.AddFile(std::string(kAppDir) + "\\Vantrel.Dll");
  EXPECT_FALSE(h.form.Form_Load());
  ASSERT_EQ(h.window.messages().size(), 1u);
  EXPECT_EQ(h.window.messages()[0].text,
            L"次のファイルが存在しません。インストールに必要です\r\nInstall.ini");
}

TEST(FormLoad, ARenamedCopyChecksTheSettingsFileNamedAfterIt) {
  // Explorer names a copy "Install - コピー.exe"; its titles come from "Install - コピー.ini".
  Harness h(fake::FakeRegistry::DeleteBehaviour::RefusesSubKeys, L"C:\\Program Files\\Vantrel",
            L"Install - コピー");
  h.WithCompanionFiles();
  EXPECT_FALSE(h.form.Form_Load());
  ASSERT_EQ(h.window.messages().size(), 1u);
  EXPECT_EQ(h.window.messages()[0].text,
            L"次のファイルが存在しません。インストールに必要です\r\nInstall - コピー.ini");
}

TEST(FormLoad, DirectoriesNamedLikeTheCompanionFilesPassTheCheck) {
  Harness h;
  h.files.AddDirectory(std::string(kAppDir) + "\\Vantrel.Dll");
  h.files.AddDirectory(std::string(kAppDir) + "\\Install.ini");
  EXPECT_TRUE(h.form.Form_Load());
  EXPECT_TRUE(h.window.messages().empty());
  EXPECT_EQ(h.window.rows().size(), 5u);
  EXPECT_EQ(h.window.rows()[2].text, L"") << "no settings to read: empty titles";
}

TEST(FormLoad, ADriveRootGetsNoSecondBackslash) {
  Harness h(fake::FakeRegistry::DeleteBehaviour::RefusesSubKeys, L"D:\\");
  h.files.AddFile("D:\\Vantrel.Dll");
  h.files.AddFile("D:\\Install.ini");
  h.profile.SetFile("D:\\Install.ini", "[Menu3]\nTitle=Root title\n");
  ASSERT_TRUE(h.form.Form_Load());
  EXPECT_EQ(h.form.AppDir(), L"D:\\");
  EXPECT_EQ(h.window.rows()[2].text, L"Root title");
}

class HintAndInstallButton : public ::testing::Test {
 protected:
  void SetUp() override {
    h.WithCompanionFiles();
    ASSERT_TRUE(h.form.Form_Load());
  }
  Harness h;
};

TEST_F(HintAndInstallButton, TheHintFollowsTheCurrentRowAfterOneSpace) {
  for (int row = 0; row < 5; ++row) {
    h.window.UserSelectRow(row);
    EXPECT_EQ(h.window.hint().substr(0, 1), L" ");
    EXPECT_EQ(h.window.hint().find(L'\\'), std::wstring::npos) << "escapes expanded, row " << row;
  }
  h.window.UserSelectRow(0);
  EXPECT_EQ(h.window.hint(),
            L" Windowsでサポートされている\r\nロング形式でファイルの位置＋名前を\r\n"
            L"クリップボードにコピーします。");
  h.window.UserSelectRow(3);
  EXPECT_EQ(
      h.window.hint(),
      L" DOSでサポートされている形式で\r\nファイルの位置を\r\nクリップボードにコピーします。");
  h.window.UserSelectRow(-1);
  EXPECT_EQ(h.window.hint(), L" ");
}

TEST_F(HintAndInstallButton, InstallIsEnabledExactlyWhileARowIsTicked) {
  for (int row = 0; row < 4; ++row) h.window.UserToggleCheck(row);
  EXPECT_TRUE(h.window.ButtonEnabled(Button::Install));
  h.window.UserToggleCheck(4);
  EXPECT_FALSE(h.window.ButtonEnabled(Button::Install));
  h.window.UserToggleCheck(2);
  EXPECT_TRUE(h.window.ButtonEnabled(Button::Install));
}

TEST_F(HintAndInstallButton, SelectAllTicksEveryRowAndKeepsTheTargets) {
  h.window.SetRowData(1, 2);
  for (int row = 0; row < 5; ++row) h.window.UserToggleCheck(row);
  ASSERT_FALSE(h.window.ButtonEnabled(Button::Install));
  h.form.comAllSelect_Click();
  EXPECT_EQ(Ticks(h.window), std::vector<bool>(5, true));
  EXPECT_EQ(h.window.rows()[1].data, 2);
  EXPECT_TRUE(h.window.ButtonEnabled(Button::Install)) << "a tick made by code refreshes too";
}

TEST_F(HintAndInstallButton, ExitClosesWithoutTouchingTheRegistry) {
  const int calls = h.registry.callCount();
  h.form.comExit_Click();
  EXPECT_TRUE(h.window.closed());
  EXPECT_EQ(h.registry.callCount(), calls);
  EXPECT_TRUE(h.window.messages().empty());
}

}  // namespace
