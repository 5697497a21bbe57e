// An in-memory dialog window. Like the real list, it reports every change of a check mark or
// of the current row to the dialog; it records messages, popups and the close.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/DialogDesign.h"
#include "platform/DialogWindow.h"

namespace fake {

class FakeDialogWindow : public platform::DialogWindow {
 public:
  struct Row {
    std::wstring text;
    std::int32_t data = 0;
    bool checked = false;
  };
  struct Message {
    std::wstring text;
    platform::MessageIcon icon;
    bool ending;  // the run had marked itself as ending when the message was shown
  };
  struct Popup {
    int x;
    int y;
    bool fileChecked;  // the menu's check marks when it opened
    bool folderChecked;
  };

  // The buttons lie where the design puts them; the design must outlive the window.
  explicit FakeDialogWindow(const platform::DialogDesign& design) : design_(design) {}

  void Attach(platform::DialogEvents* events) { events_ = events; }

  // What the user does.
  void UserSelectRow(int row);
  void UserToggleCheck(int row);
  // The answer the user gives to the next warnings (No unless told).
  void AnswerWarnings(bool yes) { warningAnswer_ = yes; }
  // The item the user picks in the next popups (nothing: the popup is dismissed).
  void ChoosePopupItem(std::optional<platform::MenuItem> item) { nextChoice_ = item; }

  const std::vector<Row>& rows() const { return rows_; }
  const std::vector<Message>& messages() const { return messages_; }
  const std::vector<Popup>& popups() const { return popups_; }
  const std::wstring& hint() const { return hint_; }
  bool closed() const { return closed_; }
  int clickEvents() const { return clickEvents_; }

  void ClearRows() override;
  void AddRow(int index, const std::wstring& text) override;
  int RowCount() const override { return static_cast<int>(rows_.size()); }
  std::wstring RowText(int row) const override;
  std::int32_t RowData(int row) const override;
  void SetRowData(int row, std::int32_t data) override;
  bool RowChecked(int row) const override;
  void SetRowChecked(int row, bool checked) override;
  int CurrentRow() const override { return current_; }
  void SetButtonEnabled(platform::Button button, bool enabled) override;
  bool ButtonEnabled(platform::Button button) const override;
  platform::TwipRect ButtonBounds(platform::Button button) const override;
  void SetHintCaption(const std::wstring& caption) override { hint_ = caption; }
  bool MenuChecked(platform::MenuItem item) const override;
  void SetMenuChecked(platform::MenuItem item, bool checked) override;
  std::optional<platform::MenuItem> ShowPopup(int x, int y) override;
  void ShowMessage(const std::wstring& text, platform::MessageIcon icon) override;
  // Recorded among the messages, with the warning icon.
  bool AskWarning(const std::wstring& text) override;
  void MarkEnding() override { ending_ = true; }
  void Close() override { closed_ = true; }

 private:
  bool Valid(int row) const { return row >= 0 && row < RowCount(); }
  void Notify();

  const platform::DialogDesign& design_;
  platform::DialogEvents* events_ = nullptr;
  std::vector<Row> rows_;
  int current_ = -1;
  std::map<platform::Button, bool> enabled_;
  std::map<platform::MenuItem, bool> menuChecked_;
  std::optional<platform::MenuItem> nextChoice_;
  bool warningAnswer_ = false;
  std::wstring hint_;
  std::vector<Message> messages_;
  std::vector<Popup> popups_;
  bool ending_ = false;
  bool closed_ = false;
  int clickEvents_ = 0;
};

}  // namespace fake
