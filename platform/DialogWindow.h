// The operations the setup dialog needs from its window. The real window implements them with
// Win32 controls; the tests use an in-memory fake.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

enum class Button { Install, Uninstall, Exit, AllSelect, Details };
enum class MenuItem { File, Folder };
// Values are the message-box style bits.
enum class MessageIcon : unsigned { Error = 16, Warning = 48, Information = 64 };

// A control's position in twips, relative to the window's client area.
struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

// The window reports user and code changes back to the dialog through this interface.
class DialogEvents {
 public:
  virtual ~DialogEvents() = default;
  // A row's check mark or the current row changed (by the user or by code).
  virtual void lstInstalls_Click() = 0;
  virtual void comInstall_Click(std::int16_t index) = 0;
  virtual void comExit_Click() = 0;
  virtual void comAllSelect_Click() = 0;
  virtual void comOP_Click() = 0;
};

class DialogWindow {
 public:
  virtual ~DialogWindow() = default;

  // The check-box list. Reading a row that does not exist gives an empty row.
  virtual void ClearRows() = 0;
  virtual void AddRow(int index, const std::wstring& text) = 0;
  virtual int RowCount() const = 0;
  virtual std::wstring RowText(int row) const = 0;
  virtual std::int32_t RowData(int row) const = 0;
  virtual void SetRowData(int row, std::int32_t data) = 0;
  virtual bool RowChecked(int row) const = 0;
  virtual void SetRowChecked(int row, bool checked) = 0;
  // -1 when no row is current.
  virtual int CurrentRow() const = 0;

  virtual void SetButtonEnabled(Button button, bool enabled) = 0;
  virtual bool ButtonEnabled(Button button) const = 0;
  virtual TwipRect ButtonBounds(Button button) const = 0;

  virtual void SetHintCaption(const std::wstring& caption) = 0;

  virtual bool MenuChecked(MenuItem item) const = 0;
  virtual void SetMenuChecked(MenuItem item, bool checked) = 0;
  // Shows the popup with its top-left corner at (x, y), client twips, and returns once it has
  // closed: the item the user chose, if any.
  virtual std::optional<MenuItem> ShowPopup(int x, int y) = 0;

  // Modal; OK button; the program's title as caption.
  virtual void ShowMessage(const std::wstring& text, MessageIcon icon) = 0;
  // Modal; warning icon, Yes and No buttons with No the default; the program's title as
  // caption. True when the user answers Yes.
  virtual bool AskWarning(const std::wstring& text) = 0;
  // From now on the run writes nothing more and only ends: a later start counts it as ending.
  virtual void MarkEnding() = 0;
  // Closes the dialog; closing the only window ends the program.
  virtual void Close() = 0;
};

}  // namespace platform
