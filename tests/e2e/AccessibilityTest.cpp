// What screen-reader and keyboard users meet: every control named through MSAA, asked from
// another process as a screen reader does, and the keyboard's place shown from the start.
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

// The name of the control's client object, which a screen reader reads as it takes the focus.
std::wstring AccessibleName(HWND control) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible), reinterpret_cast<void**>(&object))))
    return L"<no accessible object>";
  VARIANT self{};
  self.vt = VT_I4;  // lVal 0: CHILDID_SELF
  BSTR name = nullptr;
  object->get_accName(self, &name);
  object->Release();
  const std::wstring text = name != nullptr ? std::wstring(name, SysStringLen(name)) : L"";
  SysFreeString(name);
  return text;
}

class AccessibilityTest : public InstallerTest {};

TEST_F(AccessibilityTest, TheBarAndTheListAreNamedThoughNeitherShowsAName) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  // A button known by its caption first: the reader says what the user sees.
  EXPECT_EQ(AccessibleName(Control(IDC_INSTALL)), L"ｲﾝｽﾄｰﾙ");
  EXPECT_EQ(AccessibleName(Control(IDC_ALLSELECT)), L"すべて選択");
  EXPECT_EQ(StyleOf(Control(IDC_ALLSELECT)) & BS_TYPEMASK, BS_OWNERDRAW)
      << "the bar shows its name";
  EXPECT_EQ(AccessibleName(Control(IDC_LIST)), L"ｲﾝｽﾄｰﾙする項目にチェックを入れてください");
  // Windows' own look-up names a list after the label just before it.
  EXPECT_EQ(GetWindow(Control(IDC_LIST), GW_HWNDPREV), Control(IDC_INSTRUCTION));
}

TEST_F(AccessibilityTest, KeyboardStartsOnTheFirstRowWithoutMakingItCurrentAndSpaceTicksIt) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  const HWND list = Control(IDC_LIST);
  // The list has the focus from the start (StartupTest); its focus rectangle shows.
  EXPECT_TRUE(PollUntil(kSettleMs, [&] {
    return (SendMessageW(list, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
  })) << "the list hides its focus rectangle";
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 0);
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), -1) << "a row is current";

  const RemoteListView rows = List();
  ASSERT_TRUE(rows.RowChecked(0));
  PostMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
  PostMessageW(list, WM_KEYUP, VK_SPACE, 0);
  EXPECT_TRUE(PollUntil(kSettleMs, [&] { return !rows.RowChecked(0); })) << "Space left row 0";
  EXPECT_TRUE(rows.RowChecked(1));
}

}  // namespace
}  // namespace e2e
