// The real setup window under Wine: its frame, controls, list, buttons, popup and help.
#include <windows.h>
// commctrl.h builds on the types windows.h declares.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dialog/ControlIds.h"
#include "dialog/Design.h"
#include "dialog/Escapes.h"
#include "dialog/Texts.h"
#include "platform/win32/Handles.h"
#include "platform/win32/window/Dpi.h"
#include "platform/win32/window/HelpPopup.h"
#include "platform/win32/window/HintLabel.h"
#include "platform/win32/window/SetupWindow.h"
#include "platform/win32/window/WindowClasses.h"

namespace {

using platform::Button;
using platform::MenuItem;

// Records what the window reports, in order.
class RecordingEvents : public platform::DialogEvents {
 public:
  void lstInstalls_Click() override {
    calls.push_back(L"list");
    if (onListClick) onListClick();
  }
  void comInstall_Click(std::int16_t index) override {
    calls.push_back(index == 0 ? L"install" : L"uninstall");
  }
  void comExit_Click() override { calls.push_back(L"exit"); }
  void comAllSelect_Click() override { calls.push_back(L"allselect"); }
  void comOP_Click() override { calls.push_back(L"details"); }

  std::vector<std::wstring> calls;
  std::function<void()> onListClick;
};

class SetupWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    ASSERT_TRUE(window.Create(GetModuleHandleW(nullptr)));
    window.SetEvents(events);
  }
  void TearDown() override {
    window.Close();
    DrainMessages();  // the quit message the closing window posts
  }

  static void DrainMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  HWND Control(int id) const { return GetDlgItem(window.Handle(), id); }
  void AddFiveRows() {
    for (int row = 0; row < 5; ++row) window.AddRow(row, L"entry " + std::to_wstring(row + 1));
  }
  void SelectRow(int row) {
    ListView_SetItemState(Control(IDC_LIST), row, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
  }
  RECT ClientRectOf(int id) const {
    RECT bounds;
    GetWindowRect(Control(id), &bounds);
    MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
  }
  static std::wstring TextOf(HWND control) {
    wchar_t text[512] = L"";
    GetWindowTextW(control, text, 512);
    return text;
  }

  RecordingEvents events;
  const platform::DialogDesign& design = design::SetupDialog();
  win32::SetupWindow window{design};
};

TEST_F(SetupWindowTest, IsAHiddenFixedDialogFrameWithHelpBoxAndNoTaskBarButton) {
  HWND handle = window.Handle();
  EXPECT_FALSE(IsWindowVisible(handle));
  wchar_t className[64];
  GetClassNameW(handle, className, 64);
  EXPECT_STREQ(className, VANTREL_WINDOW_CLASS);
  EXPECT_EQ(TextOf(handle), L"Vantrel [ Install ]");

  const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_POPUP | WS_CHILD), 0);
  const LONG_PTR exStyle = GetWindowLongPtrW(handle, GWL_EXSTYLE);
  EXPECT_NE(exStyle & WS_EX_CONTEXTHELP, 0);
  EXPECT_NE(exStyle & WS_EX_DLGMODALFRAME, 0);
  EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0);

  // An owned window gets no task-bar button; the owner itself is never shown.
  HWND owner = GetWindow(handle, GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_FALSE(IsWindowVisible(owner));
}

TEST_F(SetupWindowTest, ClientAreaAndControlsFollowTheLayoutAtTheSystemDpi) {
  const int dpi = win32::SystemDpi();
  RECT client;
  GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right, win32::TwipsToPixels(design.clientWidth, dpi));
  EXPECT_EQ(client.bottom, win32::TwipsToPixels(design.clientHeight, dpi));

  for (const platform::ControlDesign& spec : design) {
    const RECT expected = win32::TwipRectToPixels(design.ClientBounds(spec), dpi);
    const RECT actual = ClientRectOf(spec.id);
    EXPECT_EQ(actual.left, expected.left) << spec.id;
    EXPECT_EQ(actual.top, expected.top) << spec.id;
    EXPECT_EQ(GetWindowContextHelpId(Control(spec.id)), static_cast<DWORD>(spec.helpTopic))
        << spec.id;
    if (spec.id == IDC_INSTRUCTION) continue;  // sized to its text
    EXPECT_EQ(actual.right, expected.right) << spec.id;
    // The hint reaches down inside its frame: see LayoutTest.
    EXPECT_TRUE(spec.id == IDC_HINT || actual.bottom == expected.bottom) << spec.id;
  }
}

TEST_F(SetupWindowTest, InstructionLabelFitsItsOneLineCaption) {
  const RECT label = ClientRectOf(IDC_INSTRUCTION);
  const win32::ScopedGetDC dc(Control(IDC_INSTRUCTION));
  const win32::ScopedSelectObject font(
      dc.get(), reinterpret_cast<HFONT>(SendMessageW(Control(IDC_INSTRUCTION), WM_GETFONT, 0, 0)));
  const std::wstring caption = TextOf(Control(IDC_INSTRUCTION));
  SIZE extent;
  GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &extent);
  EXPECT_EQ(label.right - label.left, extent.cx);
  EXPECT_EQ(label.bottom - label.top, extent.cy);
}

TEST_F(SetupWindowTest, TabGoesThroughListInstallExitUninstallDetailsSelectAll) {
  HWND handle = window.Handle();
  std::vector<int> order;
  HWND control = Control(IDC_LIST);
  for (int step = 0; step < 6; ++step) {
    control = GetNextDlgTabItem(handle, control, FALSE);
    order.push_back(GetDlgCtrlID(control));
  }
  EXPECT_EQ(order, (std::vector<int>{IDC_INSTALL, IDC_EXIT, IDC_UNINSTALL, IDC_DETAILS,
                                     IDC_ALLSELECT, IDC_LIST}));
}

TEST_F(SetupWindowTest, DetailsButtonIsDrawnAboveTheHintAndItsFrame) {
  auto zIndex = [&](int id) {
    int index = 0;
    for (HWND child = GetWindow(window.Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT), ++index) {
      if (child == Control(id)) return index;
    }
    return -1;
  };
  EXPECT_LT(zIndex(IDC_DETAILS), zIndex(IDC_HINT));
  EXPECT_LT(zIndex(IDC_HINT), zIndex(IDC_FRAME));
  EXPECT_EQ(GetWindow(window.Handle(), GW_CHILD) != nullptr, true);
  EXPECT_EQ(GetWindow(Control(IDC_FRAME), GW_HWNDNEXT), nullptr);  // the very bottom
}

TEST_F(SetupWindowTest, RowsKeepTextDataAndTicks) {
  AddFiveRows();
  window.SetRowData(0, 3);
  window.SetRowData(4, -1);
  window.SetRowChecked(2, true);

  EXPECT_EQ(window.RowCount(), 5);
  EXPECT_EQ(window.RowText(0), L"entry 1");
  EXPECT_EQ(window.RowText(4), L"entry 5");
  EXPECT_EQ(window.RowData(0), 3);
  EXPECT_EQ(window.RowData(4), -1);
  EXPECT_EQ(window.RowData(1), 0);
  EXPECT_FALSE(window.RowChecked(1));
  EXPECT_TRUE(window.RowChecked(2));
  window.SetRowChecked(2, false);
  EXPECT_FALSE(window.RowChecked(2));

  window.ClearRows();
  EXPECT_EQ(window.RowCount(), 0);
}

// The text of a tool of any tooltip control of this thread (current: the one showing), or
// nothing.
std::wstring ToolText(UINT message, HWND list, int row) {
  for (HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tip != nullptr;
       tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) {
    wchar_t text[256] = L"";
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = list;
    tool.uId = static_cast<UINT_PTR>(row);
    tool.lpszText = text;
    const bool showing = message != TTM_GETCURRENTTOOLW || IsWindowVisible(tip);
    if (showing && SendMessageW(tip, message, 0, reinterpret_cast<LPARAM>(&tool)) != 0) return text;
  }
  return L"";
}

// The sample settings file's widest title, "DOS形式のパス名をコピー" (138 pixels of text at 96
// DPI in a 142-pixel label, whose margins leave less), shows cut with an ellipsis; where the
// pointer rests on it, the list unfolds it whole in a label tip. Titles shown whole have none.
TEST_F(SetupWindowTest, ACutTitleUnfoldsInALabelTipWhereThePointerRests) {
  const std::wstring title = L"DOS形式のパス名をコピー";
  HWND list = Control(IDC_LIST);
  AddFiveRows();
  window.AddRow(2, title);
  window.Show();
  RECT label{};
  ListView_GetItemRect(list, 2, &label, LVIR_LABEL);
  const POINT inside{label.left + 8, (label.top + label.bottom) / 2};
  POINT rest = inside;
  ClientToScreen(list, &rest);
  SetCursorPos(rest.x, rest.y);
  // One move, as the pointer coming to rest makes: each move starts the tip's wait anew.
  PostMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(inside.x, inside.y));
  std::wstring shown;
  for (int wait = 0; wait < 60 && shown.empty(); ++wait) {
    DrainMessages();
    Sleep(50);
    shown = ToolText(TTM_GETCURRENTTOOLW, list, 0);
  }
  EXPECT_EQ(shown, title);
  EXPECT_EQ(ToolText(TTM_GETTOOLINFOW, list, 0), L"") << "row 0 is shown whole";
}

TEST_F(SetupWindowTest, RowsThatDoNotExistReadEmpty) {
  window.AddRow(0, L"only");
  window.SetRowData(3, 7);
  window.SetRowChecked(3, true);
  EXPECT_EQ(window.RowText(3), L"");
  EXPECT_EQ(window.RowData(3), 0);
  EXPECT_FALSE(window.RowChecked(3));
  EXPECT_FALSE(window.RowChecked(-1));
  EXPECT_EQ(window.RowCount(), 1);
}

TEST_F(SetupWindowTest, LongRowTextsComeBackWhole) {
  const std::wstring title(600, L'題');
  window.AddRow(0, title);
  EXPECT_EQ(window.RowText(0), title);
}

TEST_F(SetupWindowTest, NoRowIsCurrentAtFirstAndTheSelectedRowIsAfterwards) {
  AddFiveRows();
  EXPECT_EQ(window.CurrentRow(), -1);
  SelectRow(3);
  EXPECT_EQ(window.CurrentRow(), 3);
  SelectRow(1);
  EXPECT_EQ(window.CurrentRow(), 1);
}

TEST_F(SetupWindowTest, TicksAndNewCurrentRowsAreReportedButAddingRowsIsNot) {
  AddFiveRows();
  EXPECT_TRUE(events.calls.empty());

  window.SetRowChecked(0, true);
  EXPECT_EQ(events.calls, std::vector<std::wstring>{L"list"});
  window.SetRowChecked(0, true);  // unchanged: nothing to report
  EXPECT_EQ(events.calls.size(), 1u);
  window.SetRowData(0, 2);  // item data is no tick
  EXPECT_EQ(events.calls.size(), 1u);
  // The focus rectangle alone does not make a row current.
  ListView_SetItemState(Control(IDC_LIST), 1, LVIS_FOCUSED, LVIS_FOCUSED);
  EXPECT_EQ(events.calls.size(), 1u);

  events.calls.clear();
  SelectRow(2);
  EXPECT_FALSE(events.calls.empty());
  events.calls.clear();
  // The space bar ticks the current row, as the user does it.
  SetFocus(Control(IDC_LIST));
  SendMessageW(Control(IDC_LIST), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(Control(IDC_LIST), WM_KEYUP, VK_SPACE, 0);
  EXPECT_TRUE(window.RowChecked(2));
  EXPECT_FALSE(events.calls.empty());
}

TEST_F(SetupWindowTest, ListReportsDuringClearAndAddAreSafeToAnswer) {
  // The dialog reads every row and the current row whenever the list reports a change,
  // even while rows are being removed or added.
  int ticked = 0;
  events.onListClick = [&] {
    for (int row = 0; row < 5; ++row) ticked += window.RowChecked(row) ? 1 : 0;
    window.SetHintCaption(window.CurrentRow() >= 0 ? L" row" : L" ");
  };
  AddFiveRows();
  for (int row = 0; row < 5; ++row) window.SetRowChecked(row, true);
  SelectRow(4);
  window.ClearRows();
  AddFiveRows();
  EXPECT_EQ(window.RowCount(), 5);
  EXPECT_EQ(window.CurrentRow(), -1);
  EXPECT_FALSE(window.RowChecked(4));
  EXPECT_GT(ticked, 0);
}

TEST_F(SetupWindowTest, ButtonsReportTheirOwnClick) {
  const struct {
    int id;
    const wchar_t* call;
  } buttons[] = {{IDC_INSTALL, L"install"},
                 {IDC_UNINSTALL, L"uninstall"},
                 {IDC_EXIT, L"exit"},
                 {IDC_ALLSELECT, L"allselect"},
                 {IDC_DETAILS, L"details"}};
  for (const auto& button : buttons) {
    events.calls.clear();
    SendMessageW(Control(button.id), BM_CLICK, 0, 0);
    EXPECT_EQ(events.calls, std::vector<std::wstring>{button.call}) << button.id;
  }
}

TEST_F(SetupWindowTest, EnterEscapeAndTheHintLabelClickDoNothing) {
  SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(IDC_HINT, STN_CLICKED),
               reinterpret_cast<LPARAM>(Control(IDC_HINT)));
  EXPECT_TRUE(events.calls.empty());
  EXPECT_NE(window.Handle(), nullptr);
}

TEST_F(SetupWindowTest, CloseBoxActsAsExitAndCloseEndsTheWindow) {
  SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(events.calls, std::vector<std::wstring>{L"exit"});
  ASSERT_NE(window.Handle(), nullptr);  // the dialog decides; these events do not close

  HWND handle = window.Handle();
  window.Close();
  EXPECT_EQ(window.Handle(), nullptr);
  EXPECT_FALSE(IsWindow(handle));
  MSG quit;
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(SetupWindowTest, ButtonsCanBeDisabledAndReportTheirLayoutBounds) {
  EXPECT_TRUE(window.ButtonEnabled(Button::Uninstall));
  window.SetButtonEnabled(Button::Uninstall, false);
  EXPECT_FALSE(window.ButtonEnabled(Button::Uninstall));
  EXPECT_FALSE(IsWindowEnabled(Control(IDC_UNINSTALL)));
  EXPECT_TRUE(window.ButtonEnabled(Button::Install));
  window.SetButtonEnabled(Button::Uninstall, true);
  EXPECT_TRUE(window.ButtonEnabled(Button::Uninstall));

  const platform::TwipRect details = window.ButtonBounds(Button::Details);
  EXPECT_EQ(details.left, 2805);
  EXPECT_EQ(details.top, 2580);
  EXPECT_EQ(details.width, 1095);
  EXPECT_EQ(details.height, 375);
  EXPECT_EQ(window.ButtonBounds(Button::AllSelect).height, 1335);
}

TEST_F(SetupWindowTest, DisablingTheFocusedButtonMovesTheFocusOn) {
  window.Show();
  SetFocus(Control(IDC_INSTALL));
  ASSERT_EQ(GetFocus(), Control(IDC_INSTALL));
  window.SetButtonEnabled(Button::Install, false);
  EXPECT_EQ(GetFocus(), Control(IDC_EXIT));
}

TEST_F(SetupWindowTest, ShownWithTheListFocused) {
  window.Show();
  EXPECT_TRUE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(GetFocus(), Control(IDC_LIST));
}

std::vector<std::pair<HWND, LONG>> heard;
void CALLBACK Hear(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
  heard.emplace_back(window, object);
}

// A screen reader hears of each new hint and reads it without the space that indents it.
TEST_F(SetupWindowTest, NewHintIsAnnouncedAndNamedWithoutItsIndent) {
  heard.clear();
  const HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &Hear,
                      GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  window.SetHintCaption(L" 一行目\r\n二行目");
  window.SetHintCaption(L" 一行目\r\n二行目");  // the same hint: nothing new to say
  DrainMessages();
  UnhookWinEvent(hook);
  EXPECT_EQ(heard, (std::vector<std::pair<HWND, LONG>>{{Control(IDC_HINT), OBJID_CLIENT}}));
  EXPECT_EQ(TextOf(Control(IDC_HINT)), L"一行目\r\n二行目");
  EXPECT_EQ(window.HintLines().front().text, L" 一行目");
}

// Every hint at the DPIs users choose, with today's dialog font and a proportional Japanese one
// in its place: no line meets the Details button or is cut off; the text and its breaks stay.
TEST_F(SetupWindowTest, NoHintLineMeetsTheDetailsButtonAtAnyDpiWithEitherFont) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  const win32::ScopedGetDC screen(nullptr);
  for (int dpi : {96, 120, 144, 192}) {
    for (const std::wstring face : {L"", L"IPAPGothic"}) {
      SCOPED_TRACE(testing::Message() << dpi << " DPI " << face);
      LOGFONTW font = metrics.lfMessageFont;
      font.lfHeight = MulDiv(font.lfHeight, dpi, win32::SystemDpi());
      if (!face.empty()) lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
      const win32::UniqueFont made(CreateFontIndirectW(&font));
      const win32::ScopedSelectObject selected(screen.get(), made.get());
      wchar_t used[LF_FACESIZE] = L"";
      GetTextFaceW(screen.get(), LF_FACESIZE, used);
      ASSERT_TRUE(face.empty() || used == face || used == std::wstring(L"IPA Pゴシック")) << used;
      auto pixels = [&](int id) {
        return win32::TwipRectToPixels(design.ClientBounds(*design.Find(id)), dpi);
      };
      const RECT hint = win32::HintWindowBounds(pixels(IDC_HINT), pixels(IDC_FRAME));
      EXPECT_LE(hint.bottom, pixels(IDC_FRAME).bottom - 2) << "the hint covers its frame's edge";
      RECT keepClear = pixels(IDC_DETAILS);
      OffsetRect(&keepClear, -hint.left, -hint.top);
      for (const wchar_t* text : texts::kHints) {
        const std::wstring caption = ExpandEscapes(std::wstring(L"\\s") + text);
        const auto lines =
            win32::LayOutHint(screen.get(), caption, hint.right - hint.left, keepClear);
        std::wstring joined;
        for (const win32::HintLine& line : lines) {
          RECT overlap;
          EXPECT_FALSE(IntersectRect(&overlap, &line.bounds, &keepClear))
              << std::wstring(line.text);
          EXPECT_TRUE(line.bounds.right <= hint.right - hint.left &&
                      line.bounds.bottom <= hint.bottom - hint.top)
              << "cut off: " << std::wstring(line.text);
          if (line.startsCaptionLine && &line != &lines.front()) joined += L"\r\n";
          joined += line.text;
        }
        EXPECT_EQ(joined, caption);
      }
    }
  }
}

// The window paints every hint on the lines it lays out and nowhere else, none under Details.
TEST_F(SetupWindowTest, HintPaintsOnlyItsLinesAndLeavesTheDetailsButtonClear) {
  HWND hint = Control(IDC_HINT);
  RECT client;
  GetClientRect(hint, &client);
  RECT details = ClientRectOf(IDC_DETAILS);
  MapWindowPoints(window.Handle(), hint, reinterpret_cast<POINT*>(&details), 2);
  const win32::ScopedGetDC dc(hint);
  const win32::UniqueMemoryDC memory(CreateCompatibleDC(dc.get()));
  const win32::UniqueBitmap bitmap(CreateCompatibleBitmap(dc.get(), client.right, client.bottom));
  const win32::ScopedSelectObject selected(memory.get(), bitmap.get());
  for (const wchar_t* text : texts::kHints) {
    window.SetHintCaption(ExpandEscapes(std::wstring(L"\\s") + text));
    SendMessageW(hint, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
    const std::vector<win32::HintLine> lines = window.HintLines();
    int ink = 0, stray = 0;
    for (POINT at{0, 0}; at.y < client.bottom; ++at.y) {
      for (at.x = 0; at.x < client.right; ++at.x) {
        if (GetPixel(memory.get(), at.x, at.y) == GetSysColor(COLOR_BTNFACE)) continue;
        ++ink;
        stray += PtInRect(&details, at) ||
                 std::none_of(lines.begin(), lines.end(),
                              [&](auto& line) { return PtInRect(&line.bounds, at) != FALSE; });
      }
    }
    EXPECT_GT(ink, 0) << text;
    EXPECT_EQ(stray, 0) << text;
  }
}

// Chooses an item of the popup menu once it is up: Down selects the first item, each
// further Down the next one, Enter chooses.
struct MenuScript {
  static inline int downs = 0;
  static inline UINT fileState = 0;
  static inline UINT folderState = 0;
  static void CALLBACK Run(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (menuWindow == nullptr) return;
    KillTimer(nullptr, timer);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    fileState = GetMenuState(menu, win32::kFilesItemId, MF_BYCOMMAND);
    folderState = GetMenuState(menu, win32::kFoldersItemId, MF_BYCOMMAND);
    for (int i = 0; i < downs; ++i) PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menuWindow, WM_KEYDOWN, downs > 0 ? VK_RETURN : VK_ESCAPE, 0);
  }
};

TEST_F(SetupWindowTest, PopupShowsTheCheckStatesAndReturnsTheChosenItem) {
  window.Show();
  window.SetMenuChecked(MenuItem::File, true);
  window.SetMenuChecked(MenuItem::Folder, false);
  EXPECT_TRUE(window.MenuChecked(MenuItem::File));
  EXPECT_FALSE(window.MenuChecked(MenuItem::Folder));

  MenuScript::downs = 2;
  SetTimer(nullptr, 0, 50, &MenuScript::Run);
  const platform::TwipRect details = window.ButtonBounds(Button::Details);
  EXPECT_EQ(window.ShowPopup(details.left, details.top + details.height), MenuItem::Folder);
  EXPECT_NE(MenuScript::fileState & MF_CHECKED, 0u);
  EXPECT_EQ(MenuScript::folderState & MF_CHECKED, 0u);

  MenuScript::downs = 0;
  SetTimer(nullptr, 0, 50, &MenuScript::Run);
  EXPECT_EQ(window.ShowPopup(details.left, details.top + details.height), std::nullopt);
  // Showing the popup changes no check state: the dialog's handlers do.
  EXPECT_TRUE(window.MenuChecked(MenuItem::File));
  EXPECT_FALSE(window.MenuChecked(MenuItem::Folder));
}

TEST_F(SetupWindowTest, HelpRequestShowsTheControlsTopicUntilAKeyIsPressed) {
  window.Show();
  HWND list = Control(IDC_LIST);
  HELPINFO request{sizeof(request), HELPINFO_WINDOW, IDC_LIST, list, GetWindowContextHelpId(list),
                   {0, 0}};
  SendMessageW(window.Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&request));

  HWND popup = FindWindowW(VANTREL_HELP_POPUP_CLASS, nullptr);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup, window.HelpPopupHandle());
  EXPECT_TRUE(IsWindowVisible(popup));
  EXPECT_NE(TextOf(popup).find(L"一覧"), std::wstring::npos);
  RECT popupRect, listRect;
  GetWindowRect(popup, &popupRect);
  GetWindowRect(list, &listRect);
  EXPECT_GE(popupRect.top, listRect.bottom);  // just below the control

  SendMessageW(popup, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_FALSE(IsWindow(popup));
  EXPECT_EQ(window.HelpPopupHandle(), nullptr);
}

TEST_F(SetupWindowTest, HelpPointerOverTheFrameFindsTheFrameAndOverTheInstructionNothing) {
  window.Show();
  auto askAt = [&](int id) {
    RECT bounds;
    GetWindowRect(Control(id), &bounds);
    // The help pointer's click passes through labels and the frame to the window itself.
    HELPINFO request{sizeof(request),
                     HELPINFO_WINDOW,
                     0,
                     window.Handle(),
                     0,
                     {bounds.left + 3, bounds.bottom - 3}};
    SendMessageW(window.Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&request));
    return window.HelpPopupHandle();
  };
  HWND popup = askAt(IDC_FRAME);
  ASSERT_NE(popup, nullptr);
  EXPECT_NE(TextOf(popup).find(L"説明"), std::wstring::npos);
  SendMessageW(popup, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(window.HelpPopupHandle(), nullptr);

  EXPECT_EQ(askAt(IDC_INSTRUCTION), nullptr);
}

}  // namespace
