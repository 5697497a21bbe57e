#include "platform/win32/window/Layout.h"

#include <commctrl.h>

namespace win32 {

namespace {

constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
// The check boxes stand in the state-image column; there is one column and no header.
constexpr DWORD kEntryList =
    LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_GROUP;
// SS_NOTIFY makes the hint hit-testable, so the help pointer finds it inside the frame.
constexpr DWORD kWrappingLabel = SS_LEFT | SS_NOPREFIX | SS_NOTIFY;
constexpr DWORD kOneLineLabel = SS_LEFTNOWORDWRAP | SS_NOPREFIX;

}  // namespace

ControlClass ClassOf(platform::ControlKind kind) {
  switch (kind) {
    case platform::ControlKind::EntryList:
      return {WC_LISTVIEWW, kEntryList, WS_EX_CLIENTEDGE};
    case platform::ControlKind::PushButton:
      return {L"Button", kButton, 0};
    case platform::ControlKind::BarButton:
      return {L"Button", BS_OWNERDRAW | WS_TABSTOP, 0};
    case platform::ControlKind::Frame:
      return {L"Button", BS_GROUPBOX, 0};
    case platform::ControlKind::WrappingLabel:
      return {L"Static", kWrappingLabel, 0};
    case platform::ControlKind::SelfSizingLabel:
      return {L"Static", kOneLineLabel, 0};
  }
  return {L"Static", 0, 0};
}

}  // namespace win32
