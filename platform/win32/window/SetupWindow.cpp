#include "platform/win32/window/SetupWindow.h"

#include <commctrl.h>

#include "dialog/HelpTopics.h"
#include "dialog/Texts.h"
#include "platform/win32/window/ControlIds.h"
#include "platform/win32/window/Dpi.h"
#include "platform/win32/window/Layout.h"

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

  RECT frame{0, 0, TwipsToPixels(kClientWidthTwips, dpi_), TwipsToPixels(kClientHeightTwips, dpi_)};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, kWindowExStyle);
  // An overlapped window, even an owned one, takes the system's default position.
  CreateWindowExW(kWindowExStyle, VANTREL_WINDOW_CLASS, texts::kWindowCaption, kWindowStyle,
                  CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                  owner_.get(), nullptr, instance, this);
  if (window_ == nullptr) return false;
  RemoveSizingCommands();
  return CreateControls(instance);
}

bool SetupWindow::CreateOwner(HINSTANCE instance) {
  owner_.reset(CreateWindowExW(0, L"Static", texts::kMessageTitle, WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, instance, nullptr));
  return owner_ != nullptr;
}

bool SetupWindow::CreateControls(HINSTANCE instance) {
  const ControlSpec* controls = Controls();
  for (int i = 0; i < ControlCount(); ++i) {
    const ControlSpec& spec = controls[i];
    const RECT bounds = TwipRectToPixels(ClientBounds(spec), dpi_);
    HWND control = CreateWindowExW(
        spec.exStyle, spec.windowClass, spec.caption, kControlStyle | spec.style, bounds.left,
        bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
    if (control == nullptr) return false;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    SetWindowContextHelpId(control, static_cast<DWORD>(spec.helpTopic));
  }
  list_.Attach(Control(IDC_LIST));
  // The Details button overlaps the hint frame and the lower right of the hint: the frame
  // goes to the bottom of the Z order with the hint just above it, so neither paints over
  // the button. Neither takes the focus, so the tab order stays as created.
  for (int id : {IDC_HINT, IDC_FRAME}) {
    SetWindowPos(Control(id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  SizeLabelToText(Control(IDC_INSTRUCTION));
  return true;
}

void SetupWindow::SizeLabelToText(HWND label) {
  wchar_t caption[128];
  const int length =
      GetWindowTextW(label, caption, static_cast<int>(sizeof(caption) / sizeof(caption[0])));
  HDC dc = GetDC(label);
  const HGDIOBJ previous = SelectObject(dc, Font());
  SIZE extent{};
  GetTextExtentPoint32W(dc, caption, length, &extent);
  SelectObject(dc, previous);
  ReleaseDC(label, dc);
  SetWindowPos(label, nullptr, 0, 0, extent.cx, extent.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetupWindow::RemoveSizingCommands() {
  HMENU system = GetSystemMenu(window_, FALSE);
  for (UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) {
    DeleteMenu(system, command, MF_BYCOMMAND);
  }
}

HFONT SetupWindow::Font() const {
  return font_ ? font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void SetupWindow::Show() {
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  SetFocus(Control(IDC_LIST));
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
  if (events_ == nullptr) return;
  switch (id) {
    case IDC_INSTALL:
      events_->comInstall_Click(0);
      break;
    case IDC_UNINSTALL:
      events_->comInstall_Click(1);
      break;
    case IDC_EXIT:
      events_->comExit_Click();
      break;
    case IDC_ALLSELECT:
      events_->comAllSelect_Click();
      break;
    case IDC_DETAILS:
      events_->comOP_Click();
      break;
    default:
      break;
  }
}

void SetupWindow::OnNotify(const NMHDR& notice) {
  if (notice.idFrom != IDC_LIST || notice.code != LVN_ITEMCHANGED || events_ == nullptr) return;
  // Ticks and the current row change by the user's hand and by the dialog's own code; both
  // refresh the hint and the Install button.
  if (CheckList::IsTickOrSelectionChange(reinterpret_cast<const NMLISTVIEW&>(notice))) {
    events_->lstInstalls_Click();
  }
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
  const wchar_t* text = help::TopicText(static_cast<int>(GetWindowContextHelpId(control)));
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
    SetFocus(Control(IDC_LIST));
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
  PostQuitMessage(0);
}

void SetupWindow::SetButtonEnabled(platform::Button button, bool enabled) {
  HWND control = Control(ButtonId(button));
  if (!enabled && GetFocus() == control) {
    // A disabled control keeps no focus: move on along the tab order first.
    SetFocus(GetNextDlgTabItem(window_, control, FALSE));
  }
  EnableWindow(control, enabled ? TRUE : FALSE);
}

bool SetupWindow::ButtonEnabled(platform::Button button) const {
  return IsWindowEnabled(Control(ButtonId(button))) != FALSE;
}

platform::TwipRect SetupWindow::ButtonBounds(platform::Button button) const {
  const ControlSpec* spec = FindControl(ButtonId(button));
  return spec != nullptr ? ClientBounds(*spec) : platform::TwipRect{0, 0, 0, 0};
}

void SetupWindow::SetHintCaption(const std::wstring& caption) {
  SetWindowTextW(Control(IDC_HINT), caption.c_str());
}

bool SetupWindow::MenuChecked(platform::MenuItem item) const {
  return item == platform::MenuItem::File ? menuChecks_.files : menuChecks_.folders;
}

void SetupWindow::SetMenuChecked(platform::MenuItem item, bool checked) {
  (item == platform::MenuItem::File ? menuChecks_.files : menuChecks_.folders) = checked;
}

std::optional<platform::MenuItem> SetupWindow::ShowPopup(int x, int y) {
  POINT corner{TwipsToPixels(x, dpi_), TwipsToPixels(y, dpi_)};
  ClientToScreen(window_, &corner);
  switch (ShowTargetPopup(window_, corner, menuChecks_)) {
    case IDM_FILE:
      return platform::MenuItem::File;
    case IDM_FOLDER:
      return platform::MenuItem::Folder;
    default:
      return std::nullopt;
  }
}

void SetupWindow::ShowMessage(const std::wstring& text, platform::MessageIcon icon) {
  MessageBoxW(window_ != nullptr ? window_ : owner_.get(), text.c_str(), texts::kMessageTitle,
              MB_OK | static_cast<UINT>(icon));
}

void SetupWindow::Close() {
  if (window_ != nullptr) DestroyWindow(window_);
}

}  // namespace win32
