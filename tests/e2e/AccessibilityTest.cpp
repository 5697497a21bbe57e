// What a screen-reader user meets: every control named through MSAA as a screen reader asks
// from its own process, and the hint read without its indent.
#include <windows.h>
// oleacc.h builds on the types windows.h declares.
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

}  // namespace
}  // namespace e2e
