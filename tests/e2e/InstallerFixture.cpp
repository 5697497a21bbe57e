#include "InstallerFixture.h"

#include "Polling.h"
#include "ShellVerbs.h"
#include "WindowLookup.h"
#include "dialog/ControlIds.h"
#include "dialog/Texts.h"
#include "platform/win32/window/WindowClasses.h"

namespace e2e {

void InstallerTest::SetUp() {
  ASSERT_TRUE(RemoveAllVerbs()) << "a verb key of an earlier case survived its removal";
  ASSERT_NO_FATAL_FAILURE(Stage(kStageDir, StageContents{}));
}

void InstallerTest::Stage(const std::wstring& dir, const StageContents& contents) {
  std::wstring error;
  ASSERT_TRUE(StageSetup(dir, contents, &error)) << error;
}

void InstallerTest::Start(const std::wstring& dir, const std::wstring& program) {
  // The working directory is elsewhere on purpose: the installer must find its files through
  // its own location.
  process_.emplace(ChildProcess::Start(dir + program, L"C:\\"));
  ASSERT_TRUE(process_->started()) << process_->error();
}

void InstallerTest::Launch(const std::wstring& dir) {
  ASSERT_NO_FATAL_FAILURE(Start(dir));
  window_ = WaitForTopLevel(process_->id(), VANTREL_WINDOW_CLASS, nullptr, kWindowTimeoutMs);
  ASSERT_NE(window_, nullptr) << "no main window within " << kWindowTimeoutMs << " ms";
}

HWND InstallerTest::Control(int id) const {
  return GetDlgItem(window_, id);
}

RemoteListView InstallerTest::List() const {
  return RemoteListView(Control(IDC_LIST), process_->handle());
}

std::vector<Row> InstallerTest::Rows() const {
  const RemoteListView list = List();
  std::vector<Row> rows;
  for (int row = 0; row < list.RowCount(); ++row) {
    rows.push_back(Row{list.RowText(row).value_or(L"<unreadable>"), list.RowData(row).value_or(-1),
                       list.RowChecked(row)});
  }
  return rows;
}

bool InstallerTest::Click(int id) const {
  // Posted, not sent: a click that opens a modal loop (message box, popup menu) would
  // otherwise hold the driver until that loop ends.
  HWND button = Control(id);
  return button != nullptr && PostMessageW(button, BM_CLICK, 0, 0);
}

void InstallerTest::ExpectOutcome(const std::wstring& text, BoxIcon icon) {
  HWND box = WaitForMessageBox(process_->id(), kWindowTimeoutMs);
  ASSERT_NE(box, nullptr) << "no message box within " << kWindowTimeoutMs << " ms";
  EXPECT_EQ(TextOf(box), kMessageBoxCaption);
  EXPECT_EQ(MessageTextOf(box), text);
  EXPECT_EQ(IconShownBy(box), icon);
  ASSERT_TRUE(PressOk(box));
  EXPECT_TRUE(process_->WaitForExit(kExitTimeoutMs)) << "the installer did not end after OK";
  EXPECT_EQ(process_->ExitCode() == 0u, icon == BoxIcon::Information) << "exit code";
}

void InstallerTest::InstallAsStarted(const std::wstring& dir) {
  ASSERT_NO_FATAL_FAILURE(Launch(dir));
  ASSERT_TRUE(Click(IDC_INSTALL));
  ASSERT_NO_FATAL_FAILURE(ExpectOutcome(L"インストールに成功しました！", BoxIcon::Information));
}

void InstallerTest::InstallAnswering(const std::wstring& dir, const wchar_t* reason, int answer) {
  ASSERT_TRUE(Click(IDC_INSTALL));
  HWND box = WaitForTopLevel(process_->id(), kDialogClass, kMessageBoxCaption, kWindowTimeoutMs);
  ASSERT_NE(box, nullptr) << "no warning within " << kWindowTimeoutMs << " ms";
  EXPECT_EQ(MessageTextOf(box), std::wstring(texts::kOthersMayChange) + L"\r\n" + dir + L"\r\n" +
                                    reason + L"\r\n\r\n" + texts::kOthersMayChangeRisk);
  EXPECT_EQ(IconShownBy(box), BoxIcon::Warning);
  EXPECT_EQ(StyleOf(GetDlgItem(box, IDNO)) & BS_TYPEMASK, BS_DEFPUSHBUTTON) << "No is default";
  ASSERT_TRUE(PressButton(box, answer));
  ASSERT_TRUE(PollUntil(kExitTimeoutMs, [&] { return !IsWindow(box); }));
}

}  // namespace e2e
