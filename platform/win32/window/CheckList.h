// The entry list: a report-style list view with one column, a check box on each row and the
// row's target flags in its item data. The current row is the selected one.
#pragma once

#include <windows.h>
// commctrl.h builds on the types windows.h declares.
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "platform/win32/window/LabelTips.h"

namespace win32 {

class CheckList {
 public:
  CheckList() = default;
  // Sets up check boxes and the single column on a list view created by the window.
  void Attach(HWND list);

  void Clear();
  void Insert(int row, const std::wstring& text);
  int Count() const;
  std::wstring Text(int row) const;
  std::int32_t Data(int row) const;
  void SetData(int row, std::int32_t data);
  bool Checked(int row) const;
  void SetChecked(int row, bool checked);
  // -1 when no row is selected.
  int Selected() const;
  // Gives the first row the keyboard focus, unless a row has it, without selecting it.
  void FocusFirstRow();

  // True when a change notice reports a tick, an untick or a new current row.
  static bool IsTickOrSelectionChange(const NMLISTVIEW& change);

 private:
  bool Exists(int row) const { return row >= 0 && row < Count(); }
  // Keeps the one column exactly as wide as the list's client area, which narrows when a
  // vertical scroll bar appears.
  void FitColumn();
  void RefreshLabelTips();

  HWND list_ = nullptr;
  LabelTips tips_;
};

}  // namespace win32
