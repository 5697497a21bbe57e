// Context help: asking about a control shows that control's topic in a popup next to it.
#include <map>
#include <set>

#include "InstallerFixture.h"
#include "Polling.h"
#include "WindowLookup.h"
#include "dialog/ControlIds.h"
#include "platform/win32/window/WindowClasses.h"

namespace e2e {
namespace {

constexpr DWORD kNoPopupWaitMs = 1000;

class ContextHelpTest : public InstallerTest {
 protected:
  // What the window shows after WM_HELP for the control, as the title bar's "?" box would ask;
  // empty when no popup shows.
  std::wstring HelpShownFor(int id) {
    HWND control = Control(id);
    if (control == nullptr) return L"<no control>";
    DismissHelp();
    HELPINFO info{};
    info.cbSize = sizeof(info);
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = id;
    info.hItemHandle = control;
    info.dwContextId = GetWindowContextHelpId(control);
    RECT rect{};
    GetWindowRect(control, &rect);
    info.MousePos = POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    // The system copies HELPINFO across processes; the answer does not matter.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(control, WM_HELP, 0, reinterpret_cast<LPARAM>(&info), SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &ignored);
    HWND popup = WaitForTopLevel(process_->id(), VANTREL_HELP_POPUP_CLASS, nullptr, kNoPopupWaitMs);
    return popup != nullptr ? TextOf(popup) : L"";
  }

  void DismissHelp() {
    while (HWND popup = FindTopLevel(process_->id(), VANTREL_HELP_POPUP_CLASS, nullptr, true)) {
      SendMessageTimeoutW(popup, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, nullptr);
      if (!PollUntil(kNoPopupWaitMs, [&] { return !IsWindow(popup) || !IsWindowVisible(popup); }))
        break;
    }
  }
};

TEST_F(ContextHelpTest, EveryControlWithATopicShowsIt) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  const std::map<int, const char*> controls = {
      {IDC_INSTALL, "comInstall(0)"},  {IDC_UNINSTALL, "comInstall(1)"}, {IDC_EXIT, "comExit"},
      {IDC_ALLSELECT, "comAllSelect"}, {IDC_DETAILS, "comOP"},           {IDC_FRAME, "Frame1"},
      {IDC_HINT, "lblHint"},           {IDC_LIST, "lstInstalls"},
  };
  std::map<int, std::wstring> shown;
  for (const auto& [id, name] : controls) {
    shown[id] = HelpShownFor(id);
    EXPECT_FALSE(shown[id].empty()) << name << " showed no help";
  }
  // The frame and the label inside it share one topic; every other control has its own.
  EXPECT_EQ(shown[IDC_FRAME], shown[IDC_HINT]);
  std::set<std::wstring> distinct;
  for (const auto& [id, text] : shown) distinct.insert(text);
  EXPECT_EQ(distinct.size(), controls.size() - 1);
}

TEST_F(ContextHelpTest, TheInstructionLabelHasNoTopic) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  EXPECT_EQ(HelpShownFor(IDC_INSTRUCTION), L"");
}

}  // namespace
}  // namespace e2e
