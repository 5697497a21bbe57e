// The setup dialog's real window: a fixed dialog frame with the entry list, the buttons, the
// hint frame and the Details popup, built from the dialog's design and reporting what the user
// does to the dialog's events.
#pragma once

#include <windows.h>

#include "platform/DialogDesign.h"
#include "platform/DialogWindow.h"
#include "platform/win32/Handles.h"
#include "platform/win32/window/CheckList.h"
#include "platform/win32/window/HelpPopup.h"
#include "platform/win32/window/HintLabel.h"
#include "platform/win32/window/PopupMenu.h"

namespace win32 {

class SetupWindow : public platform::DialogWindow {
 public:
  // The design must outlive the window.
  explicit SetupWindow(const platform::DialogDesign& design) : design_(design) {}
  SetupWindow(const SetupWindow&) = delete;
  SetupWindow& operator=(const SetupWindow&) = delete;
  ~SetupWindow() override;

  // Creates the window and its controls, hidden. False when Windows refuses.
  bool Create(HINSTANCE instance);
  // Where user actions go from now on.
  void SetEvents(platform::DialogEvents& events) { events_ = &events; }
  // Shows the window with the entry list focused and the keyboard's place in it shown.
  void Show();
  // Runs until the window has closed; returns the quit code.
  int RunMessageLoop();
  // nullptr once the window has closed.
  HWND Handle() const { return window_; }
  HWND HelpPopupHandle() const { return help_.Handle(); }
  // The hint's lines as drawn now, valid until the hint changes.
  std::vector<HintLine> HintLines() const { return hint_.Lines(); }

  void ClearRows() override { list_.Clear(); }
  void AddRow(int index, const std::wstring& text) override { list_.Insert(index, text); }
  int RowCount() const override { return list_.Count(); }
  std::wstring RowText(int row) const override { return list_.Text(row); }
  std::int32_t RowData(int row) const override { return list_.Data(row); }
  void SetRowData(int row, std::int32_t data) override { list_.SetData(row, data); }
  bool RowChecked(int row) const override { return list_.Checked(row); }
  void SetRowChecked(int row, bool checked) override { list_.SetChecked(row, checked); }
  int CurrentRow() const override { return list_.Selected(); }

  void SetButtonEnabled(platform::Button button, bool enabled) override;
  bool ButtonEnabled(platform::Button button) const override;
  platform::TwipRect ButtonBounds(platform::Button button) const override;

  void SetHintCaption(const std::wstring& caption) override;

  bool MenuChecked(platform::MenuItem item) const override;
  void SetMenuChecked(platform::MenuItem item, bool checked) override;
  std::optional<platform::MenuItem> ShowPopup(int x, int y) override;

  void ShowMessage(const std::wstring& text, platform::MessageIcon icon) override;
  bool AskWarning(const std::wstring& text) override;
  void MarkEnding() override;
  void Close() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnButton(int id);
  void OnNotify(const NMHDR& notice);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnHelp(const HELPINFO& request);
  void OnActivate(WPARAM state);
  void OnClose();
  void OnDestroy();

  bool CreateOwner(HINSTANCE instance);
  bool CreateControls(HINSTANCE instance);
  // Fits the one-line instruction label to its caption.
  void SizeLabelToText(HWND label);
  // Gives the hint its room inside the frame and draws it around the Details button.
  void SetUpHint();
  void RemoveSizingCommands();
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  HWND ButtonControl(platform::Button button) const {
    const platform::ControlDesign* spec = design_.Find(button);
    return spec != nullptr ? Control(spec->id) : nullptr;
  }
  // The first control of that kind in the design.
  HWND Control(platform::ControlKind kind) const;
  HFONT Font() const;

  const platform::DialogDesign& design_;
  // Declared before the windows so that it outlives every control it is set on.
  UniqueFont font_;
  // Hidden, never shown: owning the dialog keeps it off the task bar.
  UniqueWindow owner_;
  // Destroyed by Close (or with the owner); nullptr from then on.
  HWND window_ = nullptr;
  HWND lastFocus_ = nullptr;
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
  CheckList list_;
  HelpPopup help_;
  HintLabel hint_;
  bool filesChecked_ = false;
  bool foldersChecked_ = false;
  platform::DialogEvents* events_ = nullptr;
};

}  // namespace win32
