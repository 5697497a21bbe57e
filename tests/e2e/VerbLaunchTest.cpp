// The registered verbs start the companion as the shell would: with the entry number and the
// clicked item's path, from the installation directory whatever spaces its path holds.
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include "Handles.h"
#include "InstallerFixture.h"
#include "Polling.h"
#include "ShellVerbs.h"

namespace e2e {
namespace {

constexpr wchar_t kTargetFolder[] = L"C:\\テスト 用\\対象 フォルダ";
constexpr wchar_t kTargetFile[] = L"C:\\テスト 用\\対象 ファイル.txt";

std::wstring QuotedCompanion() {
  return L"\"" + std::wstring(kStageDir) + L"Vantrel.Dll\"";
}

// The companion writes its line before it ends; waiting for the process is enough.
bool WaitForCompanion(HANDLE process) {
  return process != nullptr && WaitForSingleObject(process, kExitTimeoutMs) == WAIT_OBJECT_0;
}

class VerbLaunchTest : public InstallerTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(InstallerTest::SetUp());
    ASSERT_TRUE(CreateDirectoryW(kTargetFolder, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    UniqueHandle file(CreateFileW(kTargetFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_NE(file.get(), INVALID_HANDLE_VALUE);
    ASSERT_NO_FATAL_FAILURE(InstallAsStarted());
  }
};

TEST_F(VerbLaunchTest, FolderVerbsStartTheCompanionWithEntryAndFolder) {
  for (int entry = 1; entry <= kEntryCount; ++entry) {
    const std::wstring verb = L"Vantrel" + std::to_wstring(entry);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = verb.c_str();
    info.lpFile = kTargetFolder;
    info.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(ShellExecuteExW(&info)) << "verb " << verb << ": error " << GetLastError();
    UniqueHandle companion(info.hProcess);
    ASSERT_TRUE(WaitForCompanion(companion.get())) << "verb " << verb << " started nothing";
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
    std::wstring command = DefaultText(CommandKeyPath(VerbRoot::Files, entry)).value_or(L"");
    const size_t placeholder = command.find(L"%1");
    ASSERT_NE(placeholder, std::wstring::npos) << "entry " << entry << ": " << command;
    command.replace(placeholder, 2, kTargetFile);
    expected.push_back(command);

    std::vector<wchar_t> commandLine(command.begin(), command.end());
    commandLine.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               L"C:\\", &startup, &started))
        << "entry " << entry << ": error " << GetLastError() << " starting " << command;
    UniqueHandle thread(started.hThread);
    UniqueHandle companion(started.hProcess);
    ASSERT_TRUE(WaitForCompanion(companion.get()));
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
