// What a screen-reader user and a keyboard user meet: every control named through MSAA as a
// screen reader asks from its own process, the hint read without its indent, and the keyboard's
// place shown from the start.
#include <windows.h>
// commctrl.h and oleacc.h build on the types windows.h declares.
#include <commctrl.h>
#include <oleacc.h>

#include "InstallerFixture.h"
#include "Polling.h"
#include "WindowLookup.h"
#include "dialog/ControlIds.h"

namespace e2e {
namespace {

constexpr DWORD kSettleMs = 2000;

// The name of the control's client object, the one a screen reader reads when the control
// takes the focus.
std::wstring AccessibleName(HWND control) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible), reinterpret_cast<void**>(&object))))
    return L"<no accessible object>";
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  const HRESULT result = object->get_accName(self, &name);
  object->Release();
  std::wstring text =
      result == S_OK && name != nullptr ? std::wstring(name, SysStringLen(name)) : L"";
  SysFreeString(name);
  return text;
}

class AccessibilityTest : public InstallerTest {
 protected:
  void SetUp() override {
    InstallerTest::SetUp();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(AccessibilityTest, EveryControlIsNamedAndTheHintIsReadWithoutItsIndent) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  // A button known by its caption first: the reader says what the user sees.
  EXPECT_EQ(AccessibleName(Control(IDC_INSTALL)), L"ｲﾝｽﾄｰﾙ");
  EXPECT_EQ(AccessibleName(Control(IDC_ALLSELECT)), L"すべて選択");
  EXPECT_EQ(StyleOf(Control(IDC_ALLSELECT)) & BS_TYPEMASK, BS_OWNERDRAW)
      << "the bar shows its name";
  EXPECT_EQ(AccessibleName(Control(IDC_LIST)), L"ｲﾝｽﾄｰﾙする項目にチェックを入れてください");
  // Windows' own look-up names a list after the label just before it.
  EXPECT_EQ(GetWindow(Control(IDC_LIST), GW_HWNDPREV), Control(IDC_INSTRUCTION));

  ASSERT_TRUE(List().MakeCurrent(0));
  const std::wstring hint =
      L"Windowsでサポートされている\r\nロング形式でファイルの位置＋名前を\r\n"
      L"クリップボードにコピーします。";
  EXPECT_TRUE(PollUntil(kSettleMs, [&] { return AccessibleName(Control(IDC_HINT)) == hint; }))
      << "read: " << AccessibleName(Control(IDC_HINT));
}

TEST_F(AccessibilityTest, KeyboardStartsOnTheFirstRowWithoutMakingItCurrentAndSpaceTicksIt) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  const HWND list = Control(IDC_LIST);
  const DWORD thread = GetWindowThreadProcessId(window_, nullptr);
  EXPECT_TRUE(PollUntil(kSettleMs, [&] {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof(gui);
    return GetGUIThreadInfo(thread, &gui) && gui.hwndFocus == list &&
           (SendMessageW(list, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
  })) << "the list has no focus, or hides its focus rectangle";
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 0);
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), -1) << "a row is current";
  EXPECT_EQ(TextOf(Control(IDC_HINT)), L"");

  const RemoteListView rows = List();
  ASSERT_TRUE(rows.RowChecked(0));
  PostMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
  PostMessageW(list, WM_KEYUP, VK_SPACE, 0);
  EXPECT_TRUE(PollUntil(kSettleMs, [&] { return !rows.RowChecked(0); })) << "Space left row 0";
  EXPECT_TRUE(rows.RowChecked(1));
}

}  // namespace
}  // namespace e2e
