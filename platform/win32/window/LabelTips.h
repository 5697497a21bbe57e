// Label tips for a list view's rows: a row whose text the list cuts with an ellipsis shows its
// whole text in a tip while the pointer rests on it. The list view's own LVS_EX_LABELTIP does
// this on Windows, but not under Wine; one tooltip control of our own behaves the same on both.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace win32 {

class LabelTips {
 public:
  LabelTips() = default;
  LabelTips(const LabelTips&) = delete;
  LabelTips& operator=(const LabelTips&) = delete;

  // Creates the tooltip control, owned by the list's top-level window and destroyed with it.
  void Attach(HWND list);
  // Gives every row that is cut a tip with its whole text, and the others none; to be called
  // with the rows' texts whenever rows or the column width change.
  void Refresh(const std::vector<std::wstring>& rowTexts);

 private:
  HWND list_ = nullptr;
  HWND tips_ = nullptr;
  int tools_ = 0;  // tools 0 .. tools_-1 may exist, one per row
};

}  // namespace win32
