// The registered verbs start the companion as the shell would: with the entry number and the
// clicked item's path, from the installation directory whatever spaces its path holds.
#include <windows.h>

#include "InstallerFixture.h"
#include "ShellVerbs.h"
#include "VerbStarts.h"
#include "platform/win32/Handles.h"

namespace e2e {
namespace {

constexpr wchar_t kTargetFolder[] = L"C:\\テスト 用\\対象 フォルダ";
constexpr wchar_t kTargetFile[] = L"C:\\テスト 用\\対象 ファイル.txt";

std::wstring QuotedCompanion() {
  return L"\"" + std::wstring(kStageDir) + L"Vantrel.Dll\"";
}

class VerbLaunchTest : public InstallerTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(InstallerTest::SetUp());
    ASSERT_TRUE(CreateDirectoryW(kTargetFolder, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    win32::UniqueHandle file(win32::FromInvalid(CreateFileW(
        kTargetFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    ASSERT_TRUE(file);
    ASSERT_NO_FATAL_FAILURE(InstallAsStarted());
  }
};

TEST_F(VerbLaunchTest, FolderVerbsStartTheCompanionWithEntryAndFolder) {
  for (int entry = 1; entry <= kEntryCount; ++entry) {
    // The companion writes its line before it ends; waiting for the process is enough.
    std::wstring error;
    ASSERT_TRUE(StartFolderVerb(L"Vantrel" + std::to_wstring(entry), kTargetFolder, &error))
        << error;
  }
  const std::vector<std::wstring> log = CompanionLog(kStageDir);
  ASSERT_EQ(log.size(), static_cast<size_t>(kEntryCount));
  for (int entry = 1; entry <= kEntryCount; ++entry) {
    EXPECT_EQ(log[entry - 1],
              QuotedCompanion() + L" " + std::to_wstring(entry) + L" \"" + kTargetFolder + L"\"");
  }
}

TEST_F(VerbLaunchTest, FileVerbsStartTheCompanionWithEntryAndFile) {
  std::vector<std::wstring> expected;
  for (int entry = 1; entry <= kEntryCount; ++entry) {
    // Wine's shell does not read verbs under "*": expand the command as the shell would.
    const std::optional<std::wstring> command = DefaultText(CommandKeyPath(VerbRoot::Files, entry));
    ASSERT_TRUE(command.has_value()) << "entry " << entry << " has no command";
    expected.push_back(ExpandForItem(*command, kTargetFile));
    std::wstring error;
    ASSERT_TRUE(RunCommandLine(expected.back(), &error)) << error;
  }
  const std::vector<std::wstring> log = CompanionLog(kStageDir);
  ASSERT_EQ(log.size(), expected.size());
  for (int entry = 1; entry <= kEntryCount; ++entry) {
    EXPECT_EQ(log[entry - 1], expected[entry - 1]);
    EXPECT_EQ(log[entry - 1],
              QuotedCompanion() + L" " + std::to_wstring(entry) + L" \"" + kTargetFile + L"\"");
  }
}

}  // namespace
}  // namespace e2e
