#include <gtest/gtest.h>

#include "dialog/Texts.h"
#include "tests/native/Harness.h"

namespace {

using fake::FakeRegistry;
using platform::MessageIcon;
using platform::UserAccess;
using testing_support::Harness;

constexpr wchar_t kDir[] = L"C:\\Program Files\\Vantrel\\";
constexpr wchar_t kCompanion[] = L"C:\\Program Files\\Vantrel\\Vantrel.Dll";

TEST(FormLoad, RefusesAFolderNameTheCodePageCannotHoldBeforeReadingAnything) {
  for (const wchar_t character : {L'¥', L'é', L'한'}) {
    const std::wstring dir = std::wstring(L"C:\\Tools") + character + L"Setup";
    SCOPED_TRACE(testing::Message() << "character U+" << std::hex << unsigned(character));
    Harness h(FakeRegistry::DeleteBehaviour::RefusesSubKeys, dir);
    h.codepage.CannotHold(character);
    // The files lie where the changed name leads: only the check keeps start-up from there.
    for (const wchar_t* name : {L"\\Vantrel.Dll", L"\\Install.ini"})
      h.files.AddFile(h.codepage.ToAnsi(dir + name));

    EXPECT_FALSE(h.form.Form_Load());
    ASSERT_EQ(h.window.messages().size(), 1u);
    EXPECT_EQ(h.window.messages()[0].text, std::wstring(texts::kFolderNameNotHeld) + L"\r\n" + dir +
                                               L"\r\n\r\n" + texts::kMoveToPlainName);
    EXPECT_EQ(h.window.messages()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(h.window.closed());
    EXPECT_EQ(h.form.ExitCode(), 3);
    EXPECT_TRUE(h.window.rows().empty());
    EXPECT_EQ(h.registry.callCount(), 0);
    EXPECT_EQ(h.profile.reads(), 0);
    EXPECT_EQ(h.app.HelpFile(), L"");
  }
}

struct PlaceCase {
  const char* name;
  UserAccess folder;
  UserAccess companion;
  bool answerYes;
  bool warns;
  bool installs;
};

class InstallFromAPlace : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(InstallFromAPlace, WarnsWhereOthersMayChangeTheProgramAndInstallsOnlyOnYes) {
  const PlaceCase& place = GetParam();
  Harness h;
  h.WithCompanionFiles();
  h.security.Set(kDir, place.folder);
  h.security.Set(kCompanion, place.companion);
  h.window.AnswerWarnings(place.answerYes);
  ASSERT_TRUE(h.form.Form_Load());
  EXPECT_TRUE(h.security.asked().empty()) << "start-up does not ask";
  const int callsBefore = h.registry.callCount();

  h.form.comInstall_Click(0);

  const auto& messages = h.window.messages();
  ASSERT_EQ(messages.size(), std::size_t(place.warns) + std::size_t(place.installs));
  if (place.warns) {
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages[0].text, std::wstring(texts::kOthersMayChange) + L"\r\n" + kDir +
                                    L"\r\n\r\n" + texts::kOthersMayChangeRisk);
  } else {
    EXPECT_EQ(h.security.asked(), (std::vector<std::wstring>{kDir, kCompanion}));
  }
  if (place.installs) {
    EXPECT_EQ(messages.back().text, L"インストールに成功しました！");
    EXPECT_TRUE(h.registry.HasKey("Folder\\shell\\Vantrel5\\command"));
    EXPECT_TRUE(h.window.closed());
  } else {
    EXPECT_EQ(h.registry.callCount(), callsBefore) << "No writes nothing";
    EXPECT_FALSE(h.window.closed()) << "No returns to the dialog";
    h.form.comExit_Click();
  }
  EXPECT_EQ(h.form.ExitCode(), 0);
}

const PlaceCase kPlaces[] = {
    {"OnlyAdministrators", UserAccess::Denied, UserAccess::Denied, false, false, true},
    {"OpenFolderAnsweredNo", UserAccess::Granted, UserAccess::Denied, false, true, false},
    {"OpenFolderAnsweredYes", UserAccess::Granted, UserAccess::Denied, true, true, true},
    {"OpenCompanionAnsweredYes", UserAccess::Denied, UserAccess::Granted, true, true, true},
    {"UnreadableFolderAnsweredNo", UserAccess::Unknown, UserAccess::Denied, false, true, false},
};

INSTANTIATE_TEST_SUITE_P(Places, InstallFromAPlace, testing::ValuesIn(kPlaces),
                         [](const testing::TestParamInfo<PlaceCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(Uninstall, NeverAsksAboutThePlace) {
  Harness h;
  h.WithCompanionFiles();
  h.security.Set(kDir, UserAccess::Granted);
  h.Register("*", 1);
  ASSERT_TRUE(h.form.Form_Load());
  h.form.comInstall_Click(1);
  ASSERT_EQ(h.window.messages().size(), 1u);
  EXPECT_EQ(h.window.messages()[0].text, L"アンインストールに成功しました！");
  EXPECT_TRUE(h.security.asked().empty());
}

TEST(ExitCode, TellsEveryEndApart) {
  struct Case {
    const char* name;
    std::int16_t button;  // -1: Exit
    bool companion;
    const char* failingVerb;  // a delete and a write of this verb fail
    int code;
  };
  const Case cases[] = {
      {"Exit", -1, true, nullptr, 0},
      {"Install", 0, true, nullptr, 0},
      {"Uninstall", 1, true, nullptr, 0},
      {"MissingCompanion", 0, false, nullptr, 2},
      {"FailedInstall", 0, true, "*\\shell\\Vantrel1", 4},
      {"FailedUninstall", 1, true, "*\\shell\\Vantrel1", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Harness h;
    if (c.companion) h.WithCompanionFiles();
    h.Register("*", 1);
    if (c.failingVerb) {
      h.registry.FailOn(FakeRegistry::Op::Delete, c.failingVerb);
      h.registry.FailOn(FakeRegistry::Op::Set, c.failingVerb);
    }
    if (h.form.Form_Load()) {
      if (c.button < 0) {
        h.form.comExit_Click();
      } else {
        h.form.comInstall_Click(c.button);
      }
    }
    EXPECT_TRUE(h.window.closed());
    EXPECT_EQ(h.form.ExitCode(), c.code);
  }
}

}  // namespace
