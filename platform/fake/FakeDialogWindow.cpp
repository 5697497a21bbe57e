#include "platform/fake/FakeDialogWindow.h"

namespace fake {

using platform::Button;

void FakeDialogWindow::Notify() {
  ++clickEvents_;
  if (events_) events_->lstInstalls_Click();
}

void FakeDialogWindow::UserSelectRow(int row) {
  if (current_ == row) return;
  current_ = row;
  Notify();
}

void FakeDialogWindow::UserToggleCheck(int row) {
  if (Valid(row)) SetRowChecked(row, !rows_[row].checked);
}

void FakeDialogWindow::ClearRows() {
  rows_.clear();
  current_ = -1;
}

void FakeDialogWindow::AddRow(int index, const std::wstring& text) {
  if (index < 0 || index > RowCount()) index = RowCount();
  rows_.insert(rows_.begin() + index, Row{text, 0, false});
}

std::wstring FakeDialogWindow::RowText(int row) const {
  return Valid(row) ? rows_[row].text : L"";
}

std::int32_t FakeDialogWindow::RowData(int row) const {
  return Valid(row) ? rows_[row].data : 0;
}

void FakeDialogWindow::SetRowData(int row, std::int32_t data) {
  if (Valid(row)) rows_[row].data = data;
}

bool FakeDialogWindow::RowChecked(int row) const {
  return Valid(row) && rows_[row].checked;
}

void FakeDialogWindow::SetRowChecked(int row, bool checked) {
  if (!Valid(row) || rows_[row].checked == checked) return;
  rows_[row].checked = checked;
  Notify();
}

void FakeDialogWindow::SetButtonEnabled(Button button, bool enabled) {
  enabled_[button] = enabled;
}

bool FakeDialogWindow::ButtonEnabled(Button button) const {
  const auto found = enabled_.find(button);
  return found == enabled_.end() || found->second;  // buttons start enabled
}

platform::TwipRect FakeDialogWindow::ButtonBounds(Button button) const {
  const platform::ControlDesign* control = design_.Find(button);
  return control != nullptr ? design_.ClientBounds(*control) : platform::TwipRect{};
}

bool FakeDialogWindow::MenuChecked(platform::MenuItem item) const {
  const auto found = menuChecked_.find(item);
  return found != menuChecked_.end() && found->second;
}

void FakeDialogWindow::SetMenuChecked(platform::MenuItem item, bool checked) {
  menuChecked_[item] = checked;
}

std::optional<platform::MenuItem> FakeDialogWindow::ShowPopup(int x, int y) {
  popups_.push_back(
      Popup{x, y, MenuChecked(platform::MenuItem::File), MenuChecked(platform::MenuItem::Folder)});
  return nextChoice_;
}

void FakeDialogWindow::ShowMessage(const std::wstring& text, platform::MessageIcon icon) {
  messages_.push_back(Message{text, icon, ending_});
}

bool FakeDialogWindow::AskWarning(const std::wstring& text) {
  messages_.push_back(Message{text, platform::MessageIcon::Warning, ending_});
  return warningAnswer_;
}

}  // namespace fake
