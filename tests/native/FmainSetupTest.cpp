#include <gtest/gtest.h>

#include "platform/Utf16Le.h"
#include "platform/fake/FakeText.h"
#include "tests/native/Harness.h"

namespace {

using fake::FakeRegistry;
using platform::MessageIcon;
using testing_support::Harness;
using Lines = std::vector<std::string>;

using testing_support::kTitles;
const char* const kProgram = testing_support::kQuotedProgram;

std::string Verb(const std::string& root, int entry) {
  return root + "\\shell\\Vantrel" + std::to_string(entry);
}

std::string Open(const std::string& key, int status) {
  return "open \"" + key + "\" options=0 access=0xF013F -> " + std::to_string(status);
}

// The calls that remove a verb from a registry where it is missing.
Lines DeleteMissing(const std::string& verb) {
  return {Open(verb + "\\command", 2), Open(verb, 2)};
}

// The calls that write one text value (UTF-16LE and its NUL) into a key that is created on the
// way.
Lines Write(const std::string& key, const std::string& text) {
  return {"create \"" + key + "\" reserved=0 class=\"\" options=0 access=0xF013F -> 0",
          "set \"" + key + "\" name=\"\" reserved=0 type=1 size=" +
              std::to_string(platform::Utf16LeBytes(fake::FromUtf8(text)).size() + 2) + " data=\"" +
              text + "\" -> 0",
          "close \"" + key + "\" -> 0"};
}

void Append(Lines& lines, const Lines& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

// The calls of a run over an empty registry in which `wanted(root, entry)` verbs are written.
template <typename Wanted>
Lines RunOverEmptyRegistry(Wanted wanted) {
  Lines lines;
  for (const std::string root : {"*", "Folder"}) {
    for (int entry = 1; entry <= 5; ++entry) {
      const std::string verb = Verb(root, entry);
      Append(lines, DeleteMissing(verb));
      if (wanted(root, entry)) {
        Append(lines, Write(verb, kTitles[entry - 1]));
        Append(lines, Write(verb + "\\command",
                            std::string(kProgram) + " " + std::to_string(entry) + " \"%1\""));
      } else {
        lines.push_back(Open(verb, 2));  // confirms that the verb is gone
      }
    }
  }
  return lines;
}

class SetupMenus : public ::testing::Test {
 protected:
  void Load() {
    h.WithCompanionFiles();
    ASSERT_TRUE(h.form.Form_Load());
    h.registry.ClearCalls();
  }
  void ExpectMessage(const std::wstring& text, MessageIcon icon) {
    ASSERT_EQ(h.window.messages().size(), 1u);
    EXPECT_EQ(h.window.messages()[0].text, text);
    EXPECT_EQ(h.window.messages()[0].icon, icon);
    EXPECT_TRUE(h.window.messages()[0].ending) << "the outcome comes once the run writes no more";
    EXPECT_TRUE(h.window.closed()) << "the program ends after every run";
    EXPECT_EQ(h.registry.OpenHandles(), 0);
    EXPECT_EQ(h.registry.faults(), Lines{});
  }
  Harness h;
};

TEST_F(SetupMenus, TypicalInstallWritesTheChosenVerbsInOrder) {
  Load();
  h.window.UserToggleCheck(4);
  h.window.SetRowData(0, 1);  // row 0 limited to files
  h.form.comInstall_Click(0);

  EXPECT_EQ(h.registry.calls(), RunOverEmptyRegistry([](const std::string& root, int entry) {
              return entry <= 4 && (root == "*" || entry >= 2);
            }));
  ExpectMessage(L"インストールに成功しました！", MessageIcon::Information);
  EXPECT_EQ(h.registry.StringValue("*\\shell\\Vantrel1\\command", ""),
            std::string(kProgram) + " 1 \"%1\"");
  EXPECT_EQ(h.registry.StringValue("Folder\\shell\\Vantrel3", ""), "DOSパス");
  EXPECT_FALSE(h.registry.HasKey("Folder\\shell\\Vantrel1"));
  EXPECT_FALSE(h.registry.HasKey("*\\shell\\Vantrel5"));
}

TEST_F(SetupMenus, OneRowForBothRootsIsWrittenUnderFilesFirst) {
  Load();
  for (int row : {0, 1, 2, 4}) h.window.UserToggleCheck(row);
  h.form.comInstall_Click(0);
  EXPECT_EQ(h.registry.calls(),
            RunOverEmptyRegistry([](const std::string&, int entry) { return entry == 4; }));
  ExpectMessage(L"インストールに成功しました！", MessageIcon::Information);
}

TEST_F(SetupMenus, InstallWithNoRowTickedOnlyDeletes) {
  Load();
  for (int row = 0; row < 5; ++row) h.window.UserToggleCheck(row);
  h.form.comInstall_Click(0);
  EXPECT_EQ(h.registry.calls(),
            RunOverEmptyRegistry([](const std::string&, int) { return false; }));
  ExpectMessage(L"インストールに成功しました！", MessageIcon::Information);
}

TEST_F(SetupMenus, AnEmptyTitleIsWrittenAsAnEmptyDefaultValue) {
  h.WithCompanionFiles();
  h.profile.SetFile("C:\\Program Files\\Vantrel\\Install.ini", "[Menu1]\nTitle=\n");
  ASSERT_TRUE(h.form.Form_Load());
  h.form.comInstall_Click(0);
  EXPECT_EQ(h.registry.StringValue("*\\shell\\Vantrel1", ""), "");
  ExpectMessage(L"インストールに成功しました！", MessageIcon::Information);
}

class RegisteredEverywhere : public SetupMenus,
                             public ::testing::WithParamInterface<FakeRegistry::DeleteBehaviour> {
 protected:
  RegisteredEverywhere() : SetupMenus() {}
  void SetUp() override {
    h.registry = FakeRegistry(GetParam());
    for (int entry = 1; entry <= 5; ++entry) {
      h.Register("*", entry);
      h.Register("Folder", entry);
    }
    h.registry.SetString("*\\shell\\Other", "", "someone else's verb");
    Load();
  }
};

TEST_P(RegisteredEverywhere, UninstallRemovesEveryVerbAndItsCommand) {
  h.form.comInstall_Click(1);
  ExpectMessage(L"アンインストールに成功しました！", MessageIcon::Information);
  EXPECT_EQ(h.registry.KeysBelow("Folder\\shell"), Lines{});
  EXPECT_EQ(h.registry.KeysBelow("*\\shell"), Lines{"*\\shell\\Other"});
  EXPECT_EQ(h.registry.calls().front(), Open("*\\shell\\Vantrel1\\command", 0));
  EXPECT_EQ(h.registry.calls()[1], "delete \"*\\shell\\Vantrel1\\command\" sub=\"\" -> 0");
}

TEST_P(RegisteredEverywhere, InstallTakesAwayAnUntickedEntryAndRewritesTheRest) {
  h.window.UserToggleCheck(2);
  h.form.comInstall_Click(0);
  ExpectMessage(L"インストールに成功しました！", MessageIcon::Information);
  EXPECT_FALSE(h.registry.HasKey("*\\shell\\Vantrel3"));
  EXPECT_FALSE(h.registry.HasKey("Folder\\shell\\Vantrel3"));
  EXPECT_EQ(h.registry.StringValue("Folder\\shell\\Vantrel5", ""), "詳細情報");
  EXPECT_EQ(h.registry.StringValue("Folder\\shell\\Vantrel5\\command", ""),
            std::string(kProgram) + " 5 \"%1\"");
}

INSTANTIATE_TEST_SUITE_P(BothDeleteBehaviours, RegisteredEverywhere,
                         ::testing::Values(FakeRegistry::DeleteBehaviour::RefusesSubKeys,
                                           FakeRegistry::DeleteBehaviour::TakesSubKeys));

TEST_F(SetupMenus, AVerbThatCannotBeRemovedIsReportedAsAFailure) {
  h.Register("*", 2);
  h.registry.FailOn(FakeRegistry::Op::Delete, "*\\shell\\Vantrel2");
  Load();
  h.form.comInstall_Click(1);
  ExpectMessage(L"アンインストールに失敗しました。", MessageIcon::Error);
  EXPECT_TRUE(h.registry.HasKey("*\\shell\\Vantrel2"));
  const Lines& calls = h.registry.calls();
  EXPECT_EQ(Lines(calls.end() - 2, calls.end()),
            (Lines{Open("*\\shell\\Vantrel2", 0), "close \"*\\shell\\Vantrel2\" -> 0"}))
      << "stops right after finding the verb still there";
}

TEST_F(SetupMenus, AVerbThatRefusesFullAccessStillCountsAsPresent) {
  h.registry.DenyFullAccess("Folder\\shell\\Vantrel1");
  Load();
  for (int row = 0; row < 5; ++row) h.window.UserToggleCheck(row);
  h.form.comInstall_Click(0);
  ExpectMessage(L"インストールに失敗しました。", MessageIcon::Error);
}

TEST_F(SetupMenus, AFailedWriteStopsAtOnceAndLeavesLaterVerbsAlone) {
  h.Register("Folder", 5);
  h.registry.FailOn(FakeRegistry::Op::Set, "*\\shell\\Vantrel3\\command");
  Load();
  h.form.comAllSelect_Click();
  h.form.comInstall_Click(0);
  ExpectMessage(L"インストールに失敗しました。", MessageIcon::Error);
  EXPECT_EQ(h.registry.calls().back(), "close \"*\\shell\\Vantrel3\\command\" -> 0");
  EXPECT_TRUE(h.registry.HasKey("*\\shell\\Vantrel2\\command"));
  EXPECT_TRUE(h.registry.HasKey("*\\shell\\Vantrel3"))
      << "its title was written before the failure";
  EXPECT_FALSE(h.registry.HasKey("*\\shell\\Vantrel4"));
  EXPECT_EQ(h.registry.StringValue("Folder\\shell\\Vantrel5", ""), "old title");
}

TEST_F(SetupMenus, AFailedTitleWriteSkipsItsCommand) {
  h.registry.FailOn(FakeRegistry::Op::Create, "Folder\\shell\\Vantrel1");
  Load();
  h.form.comInstall_Click(0);
  ExpectMessage(L"インストールに失敗しました。", MessageIcon::Error);
  EXPECT_FALSE(h.registry.HasKey("Folder\\shell\\Vantrel1"));
  EXPECT_EQ(
      h.registry.calls().back(),
      "create \"Folder\\shell\\Vantrel1\" reserved=0 class=\"\" options=0 access=0xF013F -> 5");
}

TEST(CommandLine, QuotesTheProgramPathOfADirectoryWithSpacesAndJapanese) {
  Harness h(FakeRegistry::DeleteBehaviour::RefusesSubKeys, L"C:\\Program Files\\Vantrel");
  h.WithCompanionFiles();
  ASSERT_TRUE(h.form.Form_Load());
  h.form.comInstall_Click(0);
  for (int entry = 1; entry <= 5; ++entry) {
    EXPECT_EQ(h.registry.StringValue(Verb("Folder", entry) + "\\command", ""),
              "\"C:\\Program Files\\Vantrel\\Vantrel.Dll\" " + std::to_string(entry) + " \"%1\"");
  }
}

TEST(CommandLine, DoublesPercentSignsSoTheShellKeepsThem) {
  Harness h(FakeRegistry::DeleteBehaviour::RefusesSubKeys, L"C:\\100% 用\\%1");
  h.files.AddFile("C:\\100% 用\\%1\\Vantrel.Dll");
  h.files.AddFile("C:\\100% 用\\%1\\Install.ini");
  ASSERT_TRUE(h.form.Form_Load());
  h.form.comInstall_Click(0);
  EXPECT_EQ(h.registry.StringValue(Verb("*", 3) + "\\command", ""),
            "\"C:\\100%% 用\\%%1\\Vantrel.Dll\" 3 \"%1\"");
}

}  // namespace
