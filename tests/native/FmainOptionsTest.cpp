#include <gtest/gtest.h>

#include "tests/native/Harness.h"

namespace {

using platform::Button;
using platform::MenuItem;
using testing_support::Harness;

class DetailsPopup : public ::testing::Test {
 protected:
  void SetUp() override {
    h.WithCompanionFiles();
    ASSERT_TRUE(h.form.Form_Load());
  }
  const fake::FakeDialogWindow::Row& Row(int row) { return h.window.rows()[row]; }
  Harness h;
};

TEST_F(DetailsPopup, OpensUnderTheButtonsLowerLeftCornerWithTheRowsTargets) {
  h.window.UserSelectRow(2);
  h.window.SetRowData(2, 2);
  h.form.comOP_Click();
  ASSERT_EQ(h.window.popups().size(), 1u);
  EXPECT_EQ(h.window.popups()[0].x, 2805);
  EXPECT_EQ(h.window.popups()[0].y, 2580 + 375);
  EXPECT_FALSE(h.window.popups()[0].fileChecked);
  EXPECT_TRUE(h.window.popups()[0].folderChecked);
}

TEST_F(DetailsPopup, ChoosingFoldersOnARowForBothLeavesFiles) {
  h.window.UserSelectRow(0);
  h.window.ChoosePopupItem(MenuItem::Folder);
  h.form.comOP_Click();
  EXPECT_EQ(Row(0).data, 1);
  EXPECT_TRUE(Row(0).checked);
  h.window.ChoosePopupItem(MenuItem::Folder);
  h.form.comOP_Click();
  EXPECT_EQ(Row(0).data, 3) << "choosing folders again adds them back";
}

TEST_F(DetailsPopup, ClearingTheLastTargetUnticksTheRowAndRestoresBoth) {
  for (int row = 1; row < 5; ++row) h.window.UserToggleCheck(row);
  h.window.UserSelectRow(0);
  h.window.SetRowData(0, 1);
  h.window.ChoosePopupItem(MenuItem::File);
  h.form.comOP_Click();
  EXPECT_FALSE(Row(0).checked);
  EXPECT_EQ(Row(0).data, 3);
  EXPECT_FALSE(h.window.ButtonEnabled(Button::Install)) << "refreshed like any other untick";
}

TEST_F(DetailsPopup, ClosingWithoutAChoiceKeepsTheTargets) {
  h.window.UserSelectRow(4);
  h.window.SetRowData(4, 2);
  h.window.ChoosePopupItem(std::nullopt);
  h.form.comOP_Click();
  EXPECT_EQ(Row(4).data, 2);
  EXPECT_TRUE(Row(4).checked);
}

TEST_F(DetailsPopup, NeverTicksARow) {
  h.window.UserToggleCheck(1);
  h.window.UserSelectRow(1);
  h.window.ChoosePopupItem(MenuItem::File);
  h.form.comOP_Click();
  EXPECT_FALSE(Row(1).checked);
  EXPECT_EQ(Row(1).data, 2);
}

TEST_F(DetailsPopup, DoesNothingWithoutACurrentRow) {
  h.window.ChoosePopupItem(MenuItem::File);
  h.form.comOP_Click();
  EXPECT_TRUE(h.window.popups().empty());
  for (const auto& row : h.window.rows()) EXPECT_EQ(row.data, 3);
}

TEST_F(DetailsPopup, TheNextInstallHonoursTheTargets) {
  h.window.UserSelectRow(1);
  h.window.ChoosePopupItem(MenuItem::File);  // entry 2: folders only
  h.form.comOP_Click();
  h.window.UserSelectRow(3);
  h.window.ChoosePopupItem(MenuItem::Folder);  // entry 4: files only
  h.form.comOP_Click();
  h.form.comInstall_Click(0);
  EXPECT_FALSE(h.registry.HasKey("*\\shell\\Vantrel2"));
  EXPECT_TRUE(h.registry.HasKey("Folder\\shell\\Vantrel2\\command"));
  EXPECT_TRUE(h.registry.HasKey("*\\shell\\Vantrel4\\command"));
  EXPECT_FALSE(h.registry.HasKey("Folder\\shell\\Vantrel4"));
  EXPECT_TRUE(h.registry.HasKey("Folder\\shell\\Vantrel1\\command"));
}

}  // namespace
