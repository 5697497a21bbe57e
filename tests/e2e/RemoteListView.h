// Reads and changes the rows of a list view (SysListView32) that lives in another process.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

class RemoteListView {
 public:
  // process: a handle with VM read, write and operation rights on the list's process.
  RemoteListView(HWND list, HANDLE process) : list_(list), process_(process) {}

  HWND window() const { return list_; }
  int RowCount() const;
  int ColumnCount() const;
  DWORD ExtendedStyle() const;

  // Empty when the row cannot be read.
  std::optional<std::wstring> RowText(int row) const;
  // The row's item data (lParam), seen as the 32-bit value the program stores.
  std::optional<LONG> RowData(int row) const;
  bool RowChecked(int row) const;

  bool SetRowChecked(int row, bool checked) const;
  // Selects and focuses the row, as a click on it would.
  bool MakeCurrent(int row) const;

 private:
  bool SetState(int row, UINT state, UINT mask) const;
  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;

  HWND list_;
  HANDLE process_;
};

}  // namespace e2e
