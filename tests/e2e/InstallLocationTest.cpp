// Where the installation lies decides what the command lines hold: a drive root, a network
// share, '%' signs (which the shell reads as placeholders unless doubled), code page 932
// characters whose second byte is a backslash, and the longest path a program starts from.
// From each, an install writes commands that start the companion with the right arguments;
// beyond the longest path, start-up refuses before touching the registry.
#include <algorithm>

#include "InstallerFixture.h"
#include "Polling.h"
#include "RegistryImage.h"
#include "ShellVerbs.h"
#include "VerbStarts.h"
#include "WindowLookup.h"
#include "WinePlaces.h"
#include "dialog/ControlIds.h"
#include "dialog/Texts.h"
#include "platform/win32/window/WindowClasses.h"

namespace e2e {
namespace {

constexpr wchar_t kMissingProgram[] =
    L"次のファイルが存在しません。インストールに必要です\r\nVantrel.Dll";

// A directory (ending in a backslash) under C:\ whose companion path, directory plus
// "Vantrel.Dll", is exactly companionLength characters long. Its levels stay well below the
// host's 255-byte limit on a name.
std::wstring DirectoryWithCompanionPathOf(size_t companionLength) {
  std::wstring dir = L"C:\\長い パス " + std::to_wstring(companionLength) + L"\\";
  const size_t wanted = companionLength - std::wstring(kCompanionName).size();
  while (dir.size() < wanted) {
    const size_t level = std::min<size_t>(wanted - dir.size() - 1, 80);
    dir += std::wstring(level, L'a') + L"\\";
  }
  return dir;
}

enum class Place { Local, Drive, Share };

// How a folder verb is started. Wine's ShellExecuteExW gives up (SE_ERR_NOASSOC) on a command
// whose program path is 247 characters or more, though the command line itself runs: there
// the command is expanded and run as for a file.
enum class FolderStart { Shell, CommandLine };

struct Location {
  const char* name;
  Place place;
  std::wstring dir;  // the installation directory, ending in a backslash
  FolderStart folderStart;
  const wchar_t* warning = nullptr;  // the reason Install warns for, answered Yes
};

// The folder a verb is tried on: the installation directory itself, as the shell names it
// (a drive root keeps its backslash).
std::wstring FolderItemOf(const std::wstring& dir) {
  const bool driveRoot = dir.size() == 3 && dir[1] == L':';
  return driveRoot ? dir : dir.substr(0, dir.size() - 1);
}

class InstallLocationTest : public InstallerTest, public testing::WithParamInterface<Location> {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(InstallerTest::SetUp());
    std::wstring error;
    switch (GetParam().place) {
      case Place::Local:
        break;
      case Place::Drive:
        if (!UnderWine()) GTEST_SKIP() << "a drive of its own is made in a Wine prefix only";
        ASSERT_TRUE(MapDrive(L'X', "vantrel-drive-x", &error)) << error;
        break;
      case Place::Share:
        if (!UnderWine()) GTEST_SKIP() << "the share is served from a Wine prefix only";
        ASSERT_TRUE(ServeShare(L"vantrelhost", L"セットアップ 共有", &error)) << error;
        break;
    }
    ASSERT_NO_FATAL_FAILURE(Stage(GetParam().dir, StageContents{}));
  }
};

TEST_P(InstallLocationTest, CommandsStartTheCompanionFromThere) {
  const std::wstring dir = GetParam().dir;
  if (GetParam().warning != nullptr) {
    ASSERT_NO_FATAL_FAILURE(Launch(dir));
    ASSERT_TRUE(Click(IDC_INSTALL));
    HWND box = WaitForTopLevel(process_->id(), kDialogClass, kMessageBoxCaption, kWindowTimeoutMs);
    ASSERT_NE(box, nullptr) << "no warning within " << kWindowTimeoutMs << " ms";
    EXPECT_NE(MessageTextOf(box).find(GetParam().warning), std::wstring::npos);
    ASSERT_TRUE(PressButton(box, IDYES));
    ASSERT_TRUE(PollUntil(kExitTimeoutMs, [&] { return !IsWindow(box); }));
    ASSERT_NO_FATAL_FAILURE(ExpectOutcome(L"インストールに成功しました！", BoxIcon::Information));
  } else {
    ASSERT_NO_FATAL_FAILURE(InstallAsStarted(dir));
  }
  ASSERT_EQ(ReadVerbImage(), InstalledImage(dir));

  std::wstring error;
  const std::wstring folder = FolderItemOf(dir);
  if (GetParam().folderStart == FolderStart::Shell) {
    ASSERT_TRUE(StartFolderVerb(L"Vantrel1", folder, &error)) << error;
  } else {
    const std::wstring command = DefaultText(CommandKeyPath(VerbRoot::Folders, 1)).value_or(L"");
    ASSERT_TRUE(RunCommandLine(ExpandForItem(command, folder), &error)) << error;
  }
  const std::wstring file = dir + kSettingsName;
  const std::wstring command = DefaultText(CommandKeyPath(VerbRoot::Files, 4)).value_or(L"");
  ASSERT_TRUE(RunCommandLine(ExpandForItem(command, file), &error)) << error;

  const std::wstring program = L"\"" + dir + kCompanionName + L"\"";
  const std::vector<std::wstring> expected = {program + L" 1 \"" + folder + L"\"",
                                              program + L" 4 \"" + file + L"\""};
  EXPECT_EQ(CompanionLog(dir), expected);
}

const Location kLocations[] = {
    {"DriveRoot", Place::Drive, L"X:\\", FolderStart::Shell},
    // Its permissions name the other computer's accounts: Install warns.
    {"ShareRoot", Place::Share, L"\\\\vantrelhost\\セットアップ 共有\\", FolderStart::Shell,
     texts::kOnAnotherComputer},
    {"PercentSigns", Place::Local, L"C:\\100% 用\\%PATH%\\%1\\", FolderStart::Shell},
    {"TrailBytesThatAreBackslashes", Place::Local, L"C:\\ソフト 表示\\能力 予定\\",
     FolderStart::Shell},
    {"LongestCompanionPath", Place::Local, DirectoryWithCompanionPathOf(259),
     FolderStart::CommandLine},
};

INSTANTIATE_TEST_SUITE_P(Places, InstallLocationTest, testing::ValuesIn(kLocations),
                         [](const testing::TestParamInfo<Location>& info) {
                           return std::string(info.param.name);
                         });

// The installer's own path is as long as the companion's ("Install.exe" and "Vantrel.Dll"
// have the same length), and no program starts from a path of 260 characters or more: under
// a shorter name the installer starts beside a companion that no command could start.
class LongCompanionPathTest : public InstallerTest {};

TEST_F(LongCompanionPathTest, StartUpRefusesACompanionPathOfMaxPathCharactersOrMore) {
  for (size_t length : {260u, 261u}) {
    SCOPED_TRACE(testing::Message() << "companion path of " << length << " characters");
    const std::wstring dir = DirectoryWithCompanionPathOf(length);
    StageContents contents;
    contents.installerName = L"S.exe";
    ASSERT_NO_FATAL_FAILURE(Stage(dir, contents));
    ASSERT_NO_FATAL_FAILURE(Start(dir, contents.installerName));
    ASSERT_NE(WaitForMessageBox(process_->id(), kWindowTimeoutMs), nullptr)
        << "no message box within " << kWindowTimeoutMs << " ms";
    EXPECT_EQ(FindTopLevel(process_->id(), VANTREL_WINDOW_CLASS, nullptr, true), nullptr)
        << "the main window showed";
    ASSERT_NO_FATAL_FAILURE(ExpectOutcome(kMissingProgram, BoxIcon::Error));
    EXPECT_EQ(ReadVerbImage(), RegistryImage());
  }
}

}  // namespace
}  // namespace e2e
