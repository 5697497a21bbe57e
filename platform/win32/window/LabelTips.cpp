#include "platform/win32/window/LabelTips.h"

#include <commctrl.h>

namespace win32 {

namespace {

// The room a list view keeps after a label's text (TRAILING_LABEL_PADDING in the control): a
// text wider than its label less this is drawn cut.
constexpr int kTrailingLabelPadding = 12;

TTTOOLINFOW ToolOf(HWND list, int row) {
  TTTOOLINFOW tool{};
  // The version 5 size, which every version of the control takes.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = list;
  tool.uId = static_cast<UINT_PTR>(row);
  return tool;
}

}  // namespace

void LabelTips::Attach(HWND list) {
  list_ = list;
  tips_ = CreateWindowExW(
      WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(list, GA_ROOT),
      nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(list, GWLP_HINSTANCE)), nullptr);
}

void LabelTips::Refresh(const std::vector<std::wstring>& rowTexts) {
  if (tips_ == nullptr) return;
  for (int row = 0; row < tools_; ++row) {
    TTTOOLINFOW tool = ToolOf(list_, row);
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  tools_ = static_cast<int>(rowTexts.size());
  for (int row = 0; row < tools_; ++row) {
    std::wstring text = rowTexts[static_cast<std::size_t>(row)];
    RECT label{};
    if (!ListView_GetItemRect(list_, row, &label, LVIR_LABEL)) continue;
    const int width = ListView_GetStringWidth(list_, text.c_str());
    if (width + kTrailingLabelPadding <= label.right - label.left) continue;  // shown whole
    TTTOOLINFOW tool = ToolOf(list_, row);
    // The control watches the list's mouse messages itself and copies the text.
    tool.uFlags = TTF_SUBCLASS;
    tool.rect = label;
    tool.lpszText = text.data();
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace win32
