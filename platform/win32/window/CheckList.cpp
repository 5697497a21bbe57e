#include "platform/win32/window/CheckList.h"

#include "platform/win32/TextBuffer.h"

namespace win32 {

namespace {

// State images of a list view with check boxes: 1 unticked, 2 ticked.
constexpr UINT kUnticked = 1;
constexpr UINT kTicked = 2;

bool IsTickedState(UINT state) {
  return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(kTicked);
}

}  // namespace

void CheckList::Attach(HWND list) {
  list_ = list;
  // Full-row selection: a click anywhere on a row makes it current, as in a list box.
  constexpr DWORD kExtended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
  ListView_SetExtendedListViewStyleEx(list_, kExtended, kExtended);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  RECT client{};
  GetClientRect(list_, &client);
  column.cx = client.right - client.left;
  ListView_InsertColumn(list_, 0, &column);
  // A title cut to fit the narrow list ("DOS形式のパス名をコ...") unfolds while the pointer
  // rests on it.
  tips_.Attach(list_);
}

void CheckList::Clear() {
  ListView_DeleteAllItems(list_);
  RefreshLabelTips();
}

void CheckList::Insert(int row, const std::wstring& text) {
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = row;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  item.lParam = 0;
  ListView_InsertItem(list_, &item);
  FitColumn();
}

int CheckList::Count() const {
  return ListView_GetItemCount(list_);
}

std::wstring CheckList::Text(int row) const {
  if (!Exists(row)) return L"";
  // LVM_GETITEMTEXT returns the length copied; a full buffer may mean a cut text.
  return TextFromCall(
      [&](wchar_t* buffer, std::size_t capacity) {
        LVITEMW item{};
        item.pszText = buffer;
        item.cchTextMax = static_cast<int>(capacity);
        return static_cast<std::size_t>(SendMessageW(
            list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
      },
      256);
}

std::int32_t CheckList::Data(int row) const {
  if (!Exists(row)) return 0;
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  ListView_GetItem(list_, &item);
  return static_cast<std::int32_t>(item.lParam);
}

void CheckList::SetData(int row, std::int32_t data) {
  if (!Exists(row)) return;
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = data;
  ListView_SetItem(list_, &item);
}

bool CheckList::Checked(int row) const {
  if (!Exists(row)) return false;
  return IsTickedState(ListView_GetItemState(list_, row, LVIS_STATEIMAGEMASK));
}

void CheckList::SetChecked(int row, bool checked) {
  if (!Exists(row)) return;
  ListView_SetItemState(list_, row, INDEXTOSTATEIMAGEMASK(checked ? kTicked : kUnticked),
                        LVIS_STATEIMAGEMASK);
}

int CheckList::Selected() const {
  return ListView_GetNextItem(list_, -1, LVNI_SELECTED);
}

void CheckList::FocusFirstRow() {
  if (Count() > 0 && ListView_GetNextItem(list_, -1, LVNI_FOCUSED) < 0) {
    ListView_SetItemState(list_, 0, LVIS_FOCUSED, LVIS_FOCUSED);
  }
}

bool CheckList::IsTickOrSelectionChange(const NMLISTVIEW& change) {
  if ((change.uChanged & LVIF_STATE) == 0) return false;
  // A new row gets its unticked image right after insertion: no tick changed there.
  const bool tickChanged = IsTickedState(change.uOldState) != IsTickedState(change.uNewState);
  const bool selectionChanged = ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) != 0;
  return tickChanged || selectionChanged;
}

void CheckList::FitColumn() {
  ListView_SetColumnWidth(list_, 0, LVSCW_AUTOSIZE_USEHEADER);
  RefreshLabelTips();
}

void CheckList::RefreshLabelTips() {
  std::vector<std::wstring> texts;
  texts.reserve(static_cast<std::size_t>(Count()));
  for (int row = 0; row < Count(); ++row) texts.push_back(Text(row));
  tips_.Refresh(texts);
}

}  // namespace win32
