#include <gtest/gtest.h>

#include "dialog/Texts.h"
#include "tests/native/Harness.h"

namespace {

using platform::MessageIcon;
using testing_support::Harness;

TEST(Install, AsksWhenAFolderAboveMayBeReplacedAndNoWritesNothing) {
  Harness h;
  h.WithCompanionFiles();
  h.security.Set(L"C:\\Program Files\\Vantrel\\", platform::PlaceRisk::FolderAbove);
  ASSERT_TRUE(h.form.Form_Load());
  const int calls = h.registry.callCount();
  h.form.comInstall_Click(0);
  ASSERT_EQ(h.window.messages().size(), 1u);
  EXPECT_EQ(h.window.messages()[0].icon, MessageIcon::Warning);
  EXPECT_NE(h.window.messages()[0].text.find(texts::kFolderAboveMayBeReplaced), std::wstring::npos);
  EXPECT_FALSE(h.window.messages()[0].ending) << "the run may still write after the warning";
  EXPECT_EQ(h.registry.callCount(), calls);
  EXPECT_FALSE(h.window.closed());
}

}  // namespace
