#include "platform/win32/window/Layout.h"

#include <commctrl.h>

#include "dialog/HelpTopics.h"
#include "dialog/Texts.h"
#include "platform/win32/window/ControlIds.h"

namespace win32 {

namespace {

constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
// The check boxes stand in the state-image column; there is one column and no header.
constexpr DWORD kEntryList =
    LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_GROUP;
// SS_NOTIFY makes the hint hit-testable, so the help pointer finds it inside the frame.
constexpr DWORD kHintLabel = SS_LEFT | SS_NOPREFIX | SS_NOTIFY;
constexpr DWORD kInstructionLabel = SS_LEFTNOWORDWRAP | SS_NOPREFIX;

constexpr ControlSpec kControls[] = {
    {IDC_LIST,
     WC_LISTVIEWW,
     L"",
     kEntryList,
     WS_EX_CLIENTEDGE,
     {360, 480, 2415, 1320},
     0,
     help::kEntryListTopic},
    {IDC_INSTALL,
     L"Button",
     texts::kInstallCaption,
     kButton,
     0,
     {2880, 480, 1095, 375},
     0,
     help::kInstallTopic},
    {IDC_EXIT,
     L"Button",
     texts::kExitCaption,
     kButton,
     0,
     {2880, 1440, 1095, 375},
     0,
     help::kExitTopic},
    {IDC_UNINSTALL,
     L"Button",
     texts::kUninstallCaption,
     kButton,
     0,
     {2880, 960, 1095, 375},
     0,
     help::kUninstallTopic},
    {IDC_FRAME,
     L"Button",
     texts::kHintFrameCaption,
     BS_GROUPBOX,
     0,
     {240, 1920, 3735, 1095},
     0,
     help::kHintTopic},
    {IDC_HINT, L"Static", L"", kHintLabel, 0, {240, 240, 3375, 735}, IDC_FRAME, help::kHintTopic},
    {IDC_DETAILS,
     L"Button",
     texts::kDetailsCaption,
     kButton,
     0,
     {2805, 2580, 1095, 375},
     0,
     help::kDetailsTopic},
    {IDC_INSTRUCTION,
     L"Static",
     texts::kInstructionCaption,
     kInstructionLabel,
     0,
     {240, 120, 3345, 180},
     0,
     help::kNoTopic},
    {IDC_ALLSELECT, L"Button", L"", kButton, 0, {240, 480, 135, 1335}, 0, help::kSelectAllTopic},
};

}  // namespace

const ControlSpec* Controls() {
  return kControls;
}

int ControlCount() {
  return static_cast<int>(sizeof(kControls) / sizeof(kControls[0]));
}

const ControlSpec* FindControl(int id) {
  for (const ControlSpec& control : kControls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

platform::TwipRect ClientBounds(const ControlSpec& control) {
  platform::TwipRect bounds = control.bounds;
  if (const ControlSpec* origin = FindControl(control.relativeTo)) {
    const platform::TwipRect outer = ClientBounds(*origin);
    bounds.left += outer.left;
    bounds.top += outer.top;
  }
  return bounds;
}

int ButtonId(platform::Button button) {
  switch (button) {
    case platform::Button::Install:
      return IDC_INSTALL;
    case platform::Button::Uninstall:
      return IDC_UNINSTALL;
    case platform::Button::Exit:
      return IDC_EXIT;
    case platform::Button::AllSelect:
      return IDC_ALLSELECT;
    case platform::Button::Details:
      return IDC_DETAILS;
  }
  return 0;
}

}  // namespace win32
