#include "RemoteListView.h"

#include <commctrl.h>

#include "Polling.h"
#include "RemoteMemory.h"

namespace e2e {

namespace {

constexpr int kTextCapacity = 512;
// State image 1 is the empty box, 2 the ticked one.
constexpr UINT kCheckedImage = 2;

}  // namespace

LRESULT RemoteListView::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(list_, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &result))
    return -1;
  return static_cast<LRESULT>(result);
}

int RemoteListView::RowCount() const {
  return static_cast<int>(Send(LVM_GETITEMCOUNT, 0, 0));
}

int RemoteListView::ColumnCount() const {
  const auto header = reinterpret_cast<HWND>(Send(LVM_GETHEADER, 0, 0));
  if (header == nullptr) return 0;
  DWORD_PTR count = 0;
  if (!SendMessageTimeoutW(header, HDM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &count))
    return -1;
  return static_cast<int>(count);
}

DWORD RemoteListView::ExtendedStyle() const {
  return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

std::optional<std::wstring> RemoteListView::RowText(int row) const {
  RemoteMemory block(process_, sizeof(LVITEMW) + kTextCapacity * sizeof(wchar_t));
  LVITEMW item{};
  item.iSubItem = 0;
  item.pszText = reinterpret_cast<LPWSTR>(block.At(sizeof(LVITEMW)));
  item.cchTextMax = kTextCapacity;
  if (!block.Write(0, &item, sizeof(item))) return std::nullopt;
  const LRESULT length = Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), block.At());
  if (length < 0 || length >= kTextCapacity) return std::nullopt;
  std::wstring text(static_cast<size_t>(length), L'\0');
  if (length > 0 && !block.Read(sizeof(LVITEMW), text.data(), text.size() * sizeof(wchar_t)))
    return std::nullopt;
  return text;
}

std::optional<LONG> RemoteListView::RowData(int row) const {
  RemoteMemory block(process_, sizeof(LVITEMW));
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (!block.Write(0, &item, sizeof(item))) return std::nullopt;
  if (Send(LVM_GETITEMW, 0, block.At()) != TRUE) return std::nullopt;
  if (!block.Read(0, &item, sizeof(item))) return std::nullopt;
  return static_cast<LONG>(item.lParam);
}

bool RemoteListView::RowChecked(int row) const {
  const auto state =
      static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
  return (state & LVIS_STATEIMAGEMASK) >> 12 == kCheckedImage;
}

bool RemoteListView::SetState(int row, UINT state, UINT mask) const {
  RemoteMemory block(process_, sizeof(LVITEMW));
  LVITEMW item{};
  item.stateMask = mask;
  item.state = state;
  return block.Write(0, &item, sizeof(item)) &&
         Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), block.At()) == TRUE;
}

bool RemoteListView::SetRowChecked(int row, bool checked) const {
  return SetState(row, INDEXTOSTATEIMAGEMASK(checked ? kCheckedImage : 1), LVIS_STATEIMAGEMASK);
}

bool RemoteListView::MakeCurrent(int row) const {
  const UINT marks = LVIS_SELECTED | LVIS_FOCUSED;
  // Refused once, right after a start under the loader trace, and taken a moment later: the
  // row is made current as a user's click would, whenever the list takes it.
  return PollUntil(2000, [&] { return SetState(row, marks, marks); });
}

}  // namespace e2e
