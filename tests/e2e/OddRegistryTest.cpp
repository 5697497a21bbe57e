// Install and Uninstall over verb keys that an older version, another program or a hand in the
// registry editor left in an odd state. Whatever the state, the run reports success exactly
// when the ten verbs end as asked, and a failure stops the run where it happened.
#include "InstallerFixture.h"
#include "RegistryImage.h"
#include "ShellVerbs.h"
#include "dialog/ControlIds.h"

namespace e2e {
namespace {

constexpr wchar_t kInstalled[] = L"インストールに成功しました！";
constexpr wchar_t kInstallFailed[] = L"インストールに失敗しました。";
constexpr wchar_t kUninstalled[] = L"アンインストールに成功しました！";
constexpr wchar_t kUninstallFailed[] = L"アンインストールに失敗しました。";

// All ten verbs as an older installation elsewhere left them: titles and commands differ
// from what this run writes, so a rewritten verb is told apart from one left alone.
RegistryImage OlderInstallation() {
  RegistryImage image;
  for (VerbRoot root : kVerbRoots) {
    for (int entry = 1; entry <= kEntryCount; ++entry) {
      const std::wstring number = std::to_wstring(entry);
      AddVerb(image, root, entry, L"旧 項目 " + number,
              L"\"C:\\旧版\\Vantrel.Dll\" " + number + L" \"%1\"");
    }
  }
  return image;
}

std::wstring Verb(VerbRoot root, int entry) {
  return VerbKeyPath(root, entry);
}

std::wstring Command(VerbRoot root, int entry) {
  return CommandKeyPath(root, entry);
}

class OddRegistryTest : public InstallerTest {
 protected:
  void Seed(const RegistryImage& image) { ASSERT_TRUE(WriteImage(image)); }

  // With every verb present in some form, every row starts ticked for files and folders:
  // Install then asks for all ten verbs.
  void LaunchWithEveryRowRegistered() {
    ASSERT_NO_FATAL_FAILURE(Launch());
    for (const Row& row : Rows()) {
      ASSERT_TRUE(row.checked) << "row " << testing::PrintToString(row.text);
      ASSERT_EQ(row.data, 3) << "row " << testing::PrintToString(row.text);
    }
  }

  void Press(int button, const wchar_t* message, BoxIcon icon) {
    ASSERT_TRUE(Click(button));
    ASSERT_NO_FATAL_FAILURE(ExpectOutcome(message, icon));
  }
};

TEST_F(OddRegistryTest, InstallDropsExtraValuesOfVerbAndCommandKeys) {
  // A stale DelegateExecute would make Windows ignore the command; none of them may survive.
  RegistryImage seeded = OlderInstallation();
  seeded[Verb(VerbRoot::Files, 2)][L"Icon"] = L"shell32.dll,3";
  seeded[Verb(VerbRoot::Files, 2)][L"Extended"] = L"";
  seeded[Verb(VerbRoot::Folders, 4)][L"MUIVerb"] = L"別の 題名";
  seeded[Command(VerbRoot::Files, 5)][L"DelegateExecute"] =
      L"{00000000-0000-0000-0000-000000000000}";
  ASSERT_NO_FATAL_FAILURE(Seed(seeded));

  ASSERT_NO_FATAL_FAILURE(LaunchWithEveryRowRegistered());
  ASSERT_NO_FATAL_FAILURE(Press(IDC_INSTALL, kInstalled, BoxIcon::Information));
  EXPECT_EQ(ReadVerbImage(), InstalledImage(kStageDir));
}

TEST_F(OddRegistryTest, UninstallRemovesVerbsWithExtraValues) {
  RegistryImage seeded = OlderInstallation();
  seeded[Verb(VerbRoot::Files, 2)][L"Icon"] = L"shell32.dll,3";
  seeded[Command(VerbRoot::Folders, 5)][L"DelegateExecute"] = L"";
  ASSERT_NO_FATAL_FAILURE(Seed(seeded));

  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_NO_FATAL_FAILURE(Press(IDC_UNINSTALL, kUninstalled, BoxIcon::Information));
  EXPECT_EQ(ReadVerbImage(), RegistryImage());
}

TEST_F(OddRegistryTest, InstallRewritesVerbsBesideForeignSubKeysItCannotRemove) {
  // Keys of other programs under a verb key or its command key keep those keys from being
  // deleted; the verbs are still wanted, so writing them over is success. The foreign keys,
  // and the values of the keys that could not go, stay as they were.
  const std::wstring ddeexec = Verb(VerbRoot::Files, 3) + L"\\ddeexec";
  const std::wstring extra = Command(VerbRoot::Folders, 2) + L"\\extra";
  RegistryImage seeded = OlderInstallation();
  seeded[ddeexec] = {{L"", L"[open(\"%1\")]"}};
  seeded[Verb(VerbRoot::Files, 3)][L"Icon"] = L"shell32.dll,3";
  seeded[extra] = {};
  ASSERT_NO_FATAL_FAILURE(Seed(seeded));

  ASSERT_NO_FATAL_FAILURE(LaunchWithEveryRowRegistered());
  ASSERT_NO_FATAL_FAILURE(Press(IDC_INSTALL, kInstalled, BoxIcon::Information));
  RegistryImage expected = InstalledImage(kStageDir);
  expected[ddeexec] = seeded[ddeexec];
  expected[Verb(VerbRoot::Files, 3)][L"Icon"] = L"shell32.dll,3";
  expected[extra] = {};
  EXPECT_EQ(ReadVerbImage(), expected);
}

TEST_F(OddRegistryTest, InstallReportsAnUntickedVerbItCannotRemoveAndStopsThere) {
  const std::wstring ddeexec = Verb(VerbRoot::Files, 3) + L"\\ddeexec";
  RegistryImage seeded = OlderInstallation();
  seeded[ddeexec] = {};
  ASSERT_NO_FATAL_FAILURE(Seed(seeded));

  ASSERT_NO_FATAL_FAILURE(LaunchWithEveryRowRegistered());
  ASSERT_TRUE(List().SetRowChecked(2, false));
  ASSERT_NO_FATAL_FAILURE(Press(IDC_INSTALL, kInstallFailed, BoxIcon::Error));
  EXPECT_EQ(process_->ExitCode(), 4u);

  // Entries 1 and 2 were rewritten; entry 3 lost its command but its key stayed; the rest of
  // "*" and all of "Folder" were not touched.
  RegistryImage expected = seeded;
  for (int entry : {1, 2}) {
    AddVerb(expected, VerbRoot::Files, entry, StagedTitles()[entry - 1],
            CommandValue(kStageDir, entry));
  }
  expected.erase(Command(VerbRoot::Files, 3));
  EXPECT_EQ(ReadVerbImage(), expected);
}

TEST_F(OddRegistryTest, UninstallStopsAtAVerbWhoseCommandHasAForeignSubKey) {
  const std::wstring extra = Command(VerbRoot::Folders, 2) + L"\\extra";
  RegistryImage seeded = OlderInstallation();
  seeded[extra] = {{L"", L"他の プログラム"}};
  ASSERT_NO_FATAL_FAILURE(Seed(seeded));

  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_NO_FATAL_FAILURE(Press(IDC_UNINSTALL, kUninstallFailed, BoxIcon::Error));
  EXPECT_EQ(process_->ExitCode(), 5u);

  // Everything before the verb went; the verb, its command and the later verbs stayed whole.
  RegistryImage expected = seeded;
  for (int entry = 1; entry <= kEntryCount; ++entry) RemoveVerb(expected, VerbRoot::Files, entry);
  RemoveVerb(expected, VerbRoot::Folders, 1);
  EXPECT_EQ(ReadVerbImage(), expected);
}

TEST_F(OddRegistryTest, InstallCompletesVerbsThatLackTheirCommand) {
  RegistryImage seeded = OlderInstallation();
  seeded.erase(Command(VerbRoot::Files, 4));
  seeded.erase(Command(VerbRoot::Folders, 1));
  ASSERT_NO_FATAL_FAILURE(Seed(seeded));

  ASSERT_NO_FATAL_FAILURE(LaunchWithEveryRowRegistered());
  ASSERT_NO_FATAL_FAILURE(Press(IDC_INSTALL, kInstalled, BoxIcon::Information));
  EXPECT_EQ(ReadVerbImage(), InstalledImage(kStageDir));
}

TEST_F(OddRegistryTest, UninstallRemovesVerbsThatLackTheirCommand) {
  RegistryImage seeded = OlderInstallation();
  seeded.erase(Command(VerbRoot::Files, 4));
  seeded.erase(Command(VerbRoot::Folders, 1));
  ASSERT_NO_FATAL_FAILURE(Seed(seeded));

  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_NO_FATAL_FAILURE(Press(IDC_UNINSTALL, kUninstalled, BoxIcon::Information));
  EXPECT_EQ(ReadVerbImage(), RegistryImage());
}

TEST_F(OddRegistryTest, ALoneVerbWithoutCommandIsCompletedForItsOwnTargetOnly) {
  // The start-up probe looks at verb keys only: entry 2 counts as registered for folders.
  RegistryImage seeded;
  seeded[Verb(VerbRoot::Folders, 2)] = {{L"", L"旧 項目 2"}};
  ASSERT_NO_FATAL_FAILURE(Seed(seeded));

  ASSERT_NO_FATAL_FAILURE(Launch());
  const std::vector<Row> rows = Rows();
  ASSERT_EQ(rows.size(), 5u);
  for (size_t row = 0; row < rows.size(); ++row) {
    EXPECT_EQ(rows[row].checked, row == 1) << "row " << row;
    EXPECT_EQ(rows[row].data, row == 1 ? 2 : 3) << "row " << row;
  }
  ASSERT_TRUE(Click(IDC_ALLSELECT));
  ASSERT_NO_FATAL_FAILURE(Press(IDC_INSTALL, kInstalled, BoxIcon::Information));
  RegistryImage expected = InstalledImage(kStageDir);
  RemoveVerb(expected, VerbRoot::Files, 2);
  EXPECT_EQ(ReadVerbImage(), expected);
}

TEST_F(OddRegistryTest, InstallRestoresTitlesMissingFromVerbKeys) {
  RegistryImage seeded = OlderInstallation();
  seeded[Verb(VerbRoot::Files, 5)] = {};
  seeded[Verb(VerbRoot::Folders, 3)] = {};
  ASSERT_NO_FATAL_FAILURE(Seed(seeded));

  ASSERT_NO_FATAL_FAILURE(LaunchWithEveryRowRegistered());
  ASSERT_NO_FATAL_FAILURE(Press(IDC_INSTALL, kInstalled, BoxIcon::Information));
  EXPECT_EQ(ReadVerbImage(), InstalledImage(kStageDir));
}

TEST_F(OddRegistryTest, UninstallRemovesCommandsWhoseVerbHasNoTitle) {
  RegistryImage seeded = OlderInstallation();
  seeded[Verb(VerbRoot::Files, 5)] = {};
  seeded[Verb(VerbRoot::Folders, 3)] = {};
  ASSERT_NO_FATAL_FAILURE(Seed(seeded));

  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_NO_FATAL_FAILURE(Press(IDC_UNINSTALL, kUninstalled, BoxIcon::Information));
  EXPECT_EQ(ReadVerbImage(), RegistryImage());
}

}  // namespace
}  // namespace e2e
