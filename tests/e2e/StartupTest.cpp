// Start-up as the user meets it: the missing-file refusal, the window's first state, the hint,
// Select-all, the Install button following the ticks, and Exit.
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include "InstallerFixture.h"
#include "Polling.h"
#include "ShellVerbs.h"
#include "WindowLookup.h"
#include "dialog/ControlIds.h"
#include "platform/win32/window/WindowClasses.h"

namespace e2e {
namespace {

constexpr wchar_t kIncompleteStageDir[] = L"C:\\テスト 用\\欠けた セットアップ\\";
constexpr DWORD kSettleMs = 2000;

class StartupTest : public InstallerTest {
 protected:
  // The refusal: an error box naming the file, no main window shown, the end after OK.
  void ExpectRefusalNaming(const std::wstring& fileName) {
    ASSERT_NO_FATAL_FAILURE(Start(kIncompleteStageDir));
    HWND box = WaitForMessageBox(process_->id(), kWindowTimeoutMs);
    ASSERT_NE(box, nullptr) << "no message box within " << kWindowTimeoutMs << " ms";
    EXPECT_EQ(TextOf(box), kMessageBoxCaption);
    EXPECT_EQ(MessageTextOf(box),
              L"次のファイルが存在しません。インストールに必要です\r\n" + fileName);
    EXPECT_EQ(IconShownBy(box), BoxIcon::Error);
    EXPECT_EQ(FindTopLevel(process_->id(), VANTREL_WINDOW_CLASS, nullptr, true), nullptr)
        << "the main window showed although a file is missing";
    ASSERT_TRUE(PressOk(box));
    EXPECT_TRUE(process_->WaitForExit(kExitTimeoutMs)) << "the installer did not end after OK";
    EXPECT_EQ(process_->ExitCode(), 2u);
    for (VerbRoot root : kVerbRoots) {
      for (int entry = 1; entry <= kEntryCount; ++entry)
        EXPECT_FALSE(ClassesKeyExists(VerbKeyPath(root, entry)));
    }
  }

  bool InstallEnabledBecomes(bool enabled) const {
    return PollUntil(kSettleMs, [&] { return IsWindowEnabled(Control(IDC_INSTALL)) == enabled; });
  }
};

TEST_F(StartupTest, WithNeitherCompanionFileOnlyTheProgramIsNamed) {
  ASSERT_NO_FATAL_FAILURE(Stage(kIncompleteStageDir, StageContents{false, false}));
  ExpectRefusalNaming(L"Vantrel.Dll");
}

TEST_F(StartupTest, WithoutTheSettingsFileItIsNamed) {
  ASSERT_NO_FATAL_FAILURE(Stage(kIncompleteStageDir, StageContents{true, false}));
  ExpectRefusalNaming(L"Install.ini");
}

TEST_F(StartupTest, CleanRegistryShowsEveryEntryTickedForBothTargets) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  EXPECT_EQ(TextOf(window_), kMainWindowCaption);

  const std::vector<Row> rows = Rows();
  ASSERT_EQ(rows.size(), StagedTitles().size());
  for (size_t row = 0; row < rows.size(); ++row) {
    EXPECT_EQ(rows[row].text, StagedTitles()[row]) << "row " << row;
    EXPECT_TRUE(rows[row].checked) << "row " << row;
    EXPECT_EQ(rows[row].data, 3) << "row " << row;
  }
  EXPECT_TRUE(IsWindowEnabled(Control(IDC_INSTALL)));
  EXPECT_FALSE(IsWindowEnabled(Control(IDC_UNINSTALL)));
  for (int id : {IDC_EXIT, IDC_ALLSELECT, IDC_DETAILS}) EXPECT_TRUE(IsWindowEnabled(Control(id)));
  EXPECT_EQ(TextOf(Control(IDC_HINT)), L"") << "a hint with no current row";

  GUITHREADINFO gui{};
  gui.cbSize = sizeof(gui);
  ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &gui));
  EXPECT_EQ(gui.hwndFocus, Control(IDC_LIST)) << "the list does not have the focus";
}

TEST_F(StartupTest, WindowAndControlsCarryTheirCaptionsAndStyles) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  EXPECT_EQ(TextOf(Control(IDC_INSTALL)), L"ｲﾝｽﾄｰﾙ");
  EXPECT_EQ(TextOf(Control(IDC_UNINSTALL)), L"ｱﾝｲﾝｽﾄｰﾙ");
  EXPECT_EQ(TextOf(Control(IDC_EXIT)), L"終了");
  EXPECT_EQ(TextOf(Control(IDC_DETAILS)), L"詳細");
  EXPECT_EQ(TextOf(Control(IDC_ALLSELECT)), L"すべて選択");  // its name, never shown
  EXPECT_EQ(TextOf(Control(IDC_FRAME)), L"ヒント");
  EXPECT_EQ(TextOf(Control(IDC_INSTRUCTION)), L"ｲﾝｽﾄｰﾙする項目にチェックを入れてください");

  const LONG_PTR style = StyleOf(window_);
  EXPECT_EQ(style & WS_MINIMIZEBOX, 0) << "the window has a minimise box";
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0) << "the window has a maximise box";
  EXPECT_EQ(style & WS_THICKFRAME, 0) << "the window can be resized";
  EXPECT_NE(style & WS_SYSMENU, 0) << "the window has no close box";
  EXPECT_NE(ExStyleOf(window_) & WS_EX_CONTEXTHELP, 0) << "the title bar has no help box";

  const RemoteListView list = List();
  EXPECT_EQ(ClassNameOf(list.window()), L"SysListView32");
  EXPECT_NE(list.ExtendedStyle() & LVS_EX_CHECKBOXES, 0u);
  EXPECT_EQ(list.ColumnCount(), 1);
}

TEST_F(StartupTest, CurrentRowShowsItsHint) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(List().MakeCurrent(4));
  const std::wstring lastHint =
      L"ファイルの詳細情報をクリップボードに\r\nコピーします。\r\n おまけみたいなものです";
  EXPECT_TRUE(PollUntil(kSettleMs, [&] { return TextOf(Control(IDC_HINT)) == lastHint; }))
      << "hint shown: " << TextOf(Control(IDC_HINT));

  ASSERT_TRUE(List().MakeCurrent(0));
  const std::wstring firstHint =
      L"Windowsでサポートされている\r\nロング形式でファイルの位置＋名前を\r\n"
      L"クリップボードにコピーします。";
  EXPECT_TRUE(PollUntil(kSettleMs, [&] { return TextOf(Control(IDC_HINT)) == firstHint; }))
      << "hint shown: " << TextOf(Control(IDC_HINT));
}

TEST_F(StartupTest, SelectAllTicksEveryRowAgainAndKeepsTheTargets) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  const RemoteListView list = List();
  ASSERT_TRUE(list.SetRowChecked(1, false));
  ASSERT_TRUE(list.SetRowChecked(3, false));
  ASSERT_FALSE(list.RowChecked(1));

  ASSERT_TRUE(Click(IDC_ALLSELECT));
  EXPECT_TRUE(PollUntil(kSettleMs, [&] {
    for (int row = 0; row < kEntryCount; ++row) {
      if (!list.RowChecked(row)) return false;
    }
    return true;
  })) << "Select-all left a row unticked";
  for (const Row& row : Rows()) EXPECT_EQ(row.data, 3);
}

TEST_F(StartupTest, InstallIsEnabledExactlyWhileARowIsTicked) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  const RemoteListView list = List();
  for (int row = 0; row < kEntryCount; ++row) ASSERT_TRUE(list.SetRowChecked(row, false));
  EXPECT_TRUE(InstallEnabledBecomes(false)) << "Install stayed enabled with no row ticked";

  ASSERT_TRUE(list.SetRowChecked(2, true));
  EXPECT_TRUE(InstallEnabledBecomes(true)) << "Install stayed disabled with row 2 ticked";
}

TEST_F(StartupTest, ExitEndsTheProgramWithoutRegistering) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(Click(IDC_EXIT));
  EXPECT_TRUE(process_->WaitForExit(kExitTimeoutMs)) << "Exit did not end the installer";
  EXPECT_EQ(process_->ExitCode(), 0u);
  for (VerbRoot root : kVerbRoots) {
    for (int entry = 1; entry <= kEntryCount; ++entry)
      EXPECT_FALSE(ClassesKeyExists(VerbKeyPath(root, entry)));
  }
}

TEST_F(StartupTest, TheCloseBoxEndsTheProgramLikeExit) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0));
  EXPECT_TRUE(process_->WaitForExit(kExitTimeoutMs)) << "the close box did not end the installer";
}

}  // namespace
}  // namespace e2e
