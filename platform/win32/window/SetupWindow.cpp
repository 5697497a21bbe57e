#include "platform/win32/window/SetupWindow.h"

#include <commctrl.h>

#include "platform/win32/window/CaptionlessButton.h"
#include "platform/win32/window/Dpi.h"
#include "platform/win32/window/Layout.h"
#include "platform/win32/window/MessageFont.h"
#include "platform/win32/window/ResourceIds.h"
#include "platform/win32/window/WindowClasses.h"

namespace win32 {

namespace {

// A fixed dialog frame: caption and close box, no sizing border, no minimise or maximise
// box (the title bar's help box is shown only without them).
// No WS_CLIPCHILDREN: the window must paint the inside of the hint frame, which a group box
// leaves to its parent.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kWindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP | WS_EX_CONTROLPARENT;
constexpr DWORD kControlStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

bool RegisterWindowClass(HINSTANCE instance, WNDPROC windowProc) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
  windowClass.hIconSm = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                 GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = VANTREL_WINDOW_CLASS;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

SetupWindow::~SetupWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool SetupWindow::Create(HINSTANCE instance) {
  if (window_ != nullptr) return true;
  dpi_ = SystemDpi();
  font_ = CreateMessageFont();
  if (!RegisterWindowClass(instance, &SetupWindow::WindowProc) || !CreateOwner(instance)) {
    return false;
  }

  RECT frame{0, 0, TwipsToPixels(design_.clientWidth, dpi_),
             TwipsToPixels(design_.clientHeight, dpi_)};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, kWindowExStyle);
  // An overlapped window, even an owned one, takes the system's default position.
  CreateWindowExW(kWindowExStyle, VANTREL_WINDOW_CLASS, design_.caption, kWindowStyle,
                  CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                  owner_.get(), nullptr, instance, this);
  if (window_ == nullptr) return false;
  RemoveSizingCommands();
  return CreateControls(instance);
}

bool SetupWindow::CreateOwner(HINSTANCE instance) {
  owner_.reset(CreateWindowExW(0, L"Static", design_.messageTitle, WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, instance, nullptr));
  return owner_ != nullptr;
}

bool SetupWindow::CreateControls(HINSTANCE instance) {
  for (const platform::ControlDesign& spec : design_) {
    const ControlClass kind = ClassOf(spec.kind);
    const RECT bounds = TwipRectToPixels(design_.ClientBounds(spec), dpi_);
    // Screen readers know a button by its window text, and under Wine any control. The list
    // and the owner-drawn bar never draw theirs, so it can carry their name.
    const wchar_t* text = spec.name != nullptr ? spec.name : spec.caption;
    HWND control = CreateWindowExW(
        kind.exStyle, kind.windowClass, text, kControlStyle | kind.style, bounds.left, bounds.top,
        bounds.right - bounds.left, bounds.bottom - bounds.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
    if (control == nullptr) return false;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    SetWindowContextHelpId(control, static_cast<DWORD>(spec.helpTopic));
    if (spec.kind == platform::ControlKind::SelfSizingLabel) SizeLabelToText(control);
  }
  list_.Attach(Control(platform::ControlKind::EntryList));
  // The Details button overlaps the hint frame and the lower right of the hint: the frame
  // goes to the bottom of the Z order with the hint just above it, so neither paints over
  // the button. Neither takes the focus, so the tab order stays as created.
  for (platform::ControlKind kind :
       {platform::ControlKind::WrappingLabel, platform::ControlKind::Frame}) {
    SetWindowPos(Control(kind), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  // Windows' screen-reader support names a list after the label just before it in the Z
  // order: the instruction goes first, in front of the list. It takes no focus either.
  SetWindowPos(Control(platform::ControlKind::SelfSizingLabel), HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetUpHint();
  return true;
}

void SetupWindow::SetUpHint() {
  const platform::ControlDesign* hint = design_.First(platform::ControlKind::WrappingLabel);
  const platform::ControlDesign* frame = design_.First(platform::ControlKind::Frame);
  if (hint == nullptr || frame == nullptr) return;
  const RECT bounds = HintWindowBounds(TwipRectToPixels(design_.ClientBounds(*hint), dpi_),
                                       TwipRectToPixels(design_.ClientBounds(*frame), dpi_));
  SetWindowPos(Control(hint->id), nullptr, 0, 0, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  hint_.Attach(Control(hint->id), ButtonControl(platform::Button::Details));
}

void SetupWindow::SizeLabelToText(HWND label) {
  wchar_t caption[128];
  const int length =
      GetWindowTextW(label, caption, static_cast<int>(sizeof(caption) / sizeof(caption[0])));
  SIZE extent{};
  {
    const ScopedGetDC dc(label);
    const ScopedSelectObject font(dc.get(), Font());
    GetTextExtentPoint32W(dc.get(), caption, length, &extent);
  }
  SetWindowPos(label, nullptr, 0, 0, extent.cx, extent.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetupWindow::RemoveSizingCommands() {
  HMENU system = GetSystemMenu(window_, FALSE);
  for (UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) {
    DeleteMenu(system, command, MF_BYCOMMAND);
  }
}

HWND SetupWindow::Control(platform::ControlKind kind) const {
  const platform::ControlDesign* spec = design_.First(kind);
  return spec != nullptr ? Control(spec->id) : nullptr;
}

HFONT SetupWindow::Font() const {
  return font_ ? font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void SetupWindow::Show() {
  // The first row takes the keyboard without becoming current, so the hint stays empty and
  // Space ticks that row.
  list_.FocusFirstRow();
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  SetFocus(Control(platform::ControlKind::EntryList));
  // Its focus rectangle shows where the keyboard is, also where the system hides focus cues
  // until a key is pressed.
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

int SetupWindow::RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The dialog manager's keyboard handling gives Tab, Shift+Tab and the arrow keys.
    if (window_ != nullptr && IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

LRESULT CALLBACK SetupWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<SetupWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<SetupWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

LRESULT SetupWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_;
  switch (message) {
    case WM_COMMAND:
      // Enter and Esc arrive as IDOK and IDCANCEL with no control: nothing answers them.
      if (lParam != 0 && HIWORD(wParam) == BN_CLICKED) OnButton(LOWORD(wParam));
      return 0;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_HELP:
      OnHelp(*reinterpret_cast<const HELPINFO*>(lParam));
      return TRUE;
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void SetupWindow::OnButton(int id) {
  const platform::ControlDesign* spec = design_.Find(id);
  if (events_ == nullptr || spec == nullptr || !spec->button) return;
  switch (*spec->button) {
    case platform::Button::Install:
      events_->comInstall_Click(0);
      break;
    case platform::Button::Uninstall:
      events_->comInstall_Click(1);
      break;
    case platform::Button::Exit:
      events_->comExit_Click();
      break;
    case platform::Button::AllSelect:
      events_->comAllSelect_Click();
      break;
    case platform::Button::Details:
      events_->comOP_Click();
      break;
  }
}

void SetupWindow::OnNotify(const NMHDR& notice) {
  if (notice.hwndFrom != Control(platform::ControlKind::EntryList) ||
      notice.code != LVN_ITEMCHANGED || events_ == nullptr) {
    return;
  }
  // Ticks and the current row change by the user's hand and by the dialog's own code; both
  // refresh the hint and the Install button.
  if (CheckList::IsTickOrSelectionChange(reinterpret_cast<const NMLISTVIEW&>(notice))) {
    events_->lstInstalls_Click();
  }
}

void SetupWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  // The select-all bar is the only owner-drawn control.
  if (item.CtlType == ODT_BUTTON) DrawCaptionlessButton(item);
}

void SetupWindow::OnHelp(const HELPINFO& request) {
  if (request.iContextType != HELPINFO_WINDOW) return;
  HWND control = static_cast<HWND>(request.hItemHandle);
  if (!IsChild(window_, control)) {
    // The help pointer passes through labels, the frame and disabled buttons to the window
    // itself: find the control under the pointer by position instead.
    POINT point = request.MousePos;
    ScreenToClient(window_, &point);
    control = ChildWindowFromPointEx(window_, point, CWP_SKIPINVISIBLE);
    if (control == nullptr || control == window_) return;
  }
  const wchar_t* text = design_.TopicText(static_cast<int>(GetWindowContextHelpId(control)));
  if (text == nullptr) return;
  RECT anchor;
  GetWindowRect(control, &anchor);
  help_.Show(window_, text, anchor, Font(), dpi_);
}

void SetupWindow::OnActivate(WPARAM state) {
  // A plain window does not remember its focused control across deactivation as a dialog
  // box does: keep it here.
  if (LOWORD(state) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
    return;
  }
  if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
  } else {
    SetFocus(Control(platform::ControlKind::EntryList));
  }
}

void SetupWindow::OnClose() {
  // The close box does what Exit does.
  if (events_ != nullptr) {
    events_->comExit_Click();
  } else {
    Close();
  }
}

void SetupWindow::OnDestroy() {
  // The list reports its rows going as the controls are destroyed; the dialog hears no more.
  events_ = nullptr;
  help_.Dismiss();
  RemovePropW(window_, VANTREL_ENDING_PROPERTY);
  PostQuitMessage(0);
}

void SetupWindow::SetButtonEnabled(platform::Button button, bool enabled) {
  HWND control = ButtonControl(button);
  if (!enabled && GetFocus() == control) {
    // A disabled control keeps no focus: move on along the tab order first.
    SetFocus(GetNextDlgTabItem(window_, control, FALSE));
  }
  EnableWindow(control, enabled ? TRUE : FALSE);
}

bool SetupWindow::ButtonEnabled(platform::Button button) const {
  return IsWindowEnabled(ButtonControl(button)) != FALSE;
}

platform::TwipRect SetupWindow::ButtonBounds(platform::Button button) const {
  const platform::ControlDesign* spec = design_.Find(button);
  return spec != nullptr ? design_.ClientBounds(*spec) : platform::TwipRect{0, 0, 0, 0};
}

void SetupWindow::SetHintCaption(const std::wstring& caption) {
  hint_.SetCaption(caption);
}

bool SetupWindow::MenuChecked(platform::MenuItem item) const {
  return item == platform::MenuItem::File ? filesChecked_ : foldersChecked_;
}

void SetupWindow::SetMenuChecked(platform::MenuItem item, bool checked) {
  (item == platform::MenuItem::File ? filesChecked_ : foldersChecked_) = checked;
}

std::optional<platform::MenuItem> SetupWindow::ShowPopup(int x, int y) {
  POINT corner{TwipsToPixels(x, dpi_), TwipsToPixels(y, dpi_)};
  ClientToScreen(window_, &corner);
  const PopupItems items{design_.filesItem, design_.foldersItem, filesChecked_, foldersChecked_};
  switch (ShowTargetPopup(window_, corner, items)) {
    case kFilesItemId:
      return platform::MenuItem::File;
    case kFoldersItemId:
      return platform::MenuItem::Folder;
    default:
      return std::nullopt;
  }
}

void SetupWindow::ShowMessage(const std::wstring& text, platform::MessageIcon icon) {
  MessageBoxW(window_ != nullptr ? window_ : owner_.get(), text.c_str(), design_.messageTitle,
              MB_OK | static_cast<UINT>(icon));
}

bool SetupWindow::AskWarning(const std::wstring& text) {
  return MessageBoxW(window_ != nullptr ? window_ : owner_.get(), text.c_str(),
                     design_.messageTitle, MB_ICONWARNING | MB_YESNO | MB_DEFBUTTON2) == IDYES;
}

void SetupWindow::MarkEnding() {
  // Any value but null marks the window.
  if (window_ != nullptr) SetPropW(window_, VANTREL_ENDING_PROPERTY, window_);
}

void SetupWindow::Close() {
  if (window_ != nullptr) DestroyWindow(window_);
}

}  // namespace win32
