// Runs the real Vantrel.Dll on real files and folders and reads back what it put on the
// clipboard. Usage: companion_wine_tests <path of Vantrel.Dll> [GoogleTest options]
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "CompanionProcess.h"
#include "TestClipboard.h"

namespace {

std::wstring Quoted(const std::wstring& text) {
  return L"\"" + text + L"\"";
}

std::wstring ShortForm(const std::wstring& path) {
  wchar_t buffer[MAX_PATH * 2];
  DWORD length = GetShortPathNameW(path.c_str(), buffer, MAX_PATH * 2);
  return length == 0 || length >= MAX_PATH * 2 ? std::wstring() : std::wstring(buffer, length);
}

bool WriteFileOfSize(const std::wstring& path, DWORD size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  std::vector<char> bytes(size, 'x');
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), size, &written, nullptr);
  CloseHandle(file);
  return ok && written == size;
}

FILETIME FileTimeFromLocal(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME local = {};
  local.wYear = year;
  local.wMonth = month;
  local.wDay = day;
  local.wHour = hour;
  local.wMinute = minute;
  local.wSecond = second;
  SYSTEMTIME utc;
  FILETIME result = {};
  TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
  SystemTimeToFileTime(&utc, &result);
  return result;
}

bool SetTimes(const std::wstring& path, const FILETIME& modified, const FILETIME& accessed) {
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BOOL ok = SetFileTime(file, nullptr, &accessed, &modified);
  CloseHandle(file);
  return ok != FALSE;
}

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find(L"\r\n", start);
    lines.push_back(text.substr(start, end == std::wstring::npos ? end : end - start));
    if (end == std::wstring::npos) return lines;
    start = end + 2;
  }
}

bool LooksLikeLocalTime(const std::wstring& value) {  // "2026/12/07 13:45:10"
  const wchar_t pattern[] = L"0000/00/00 00:00:00";
  if (value.size() != 19) return false;
  for (std::size_t i = 0; i < value.size(); ++i) {
    bool digit = value[i] >= L'0' && value[i] <= L'9';
    if (pattern[i] == L'0' ? !digit : value[i] != pattern[i]) return false;
  }
  return true;
}

// A folder and a file inside it whose names hold blanks, Japanese and characters outside
// the ANSI code page (932 here), made with the wide API in a fresh temporary folder.
class CompanionOnRealItems : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    wchar_t longTemp[MAX_PATH];
    GetLongPathNameW(temp, longTemp, MAX_PATH);
    base_ = std::wstring(longTemp) + L"Vantrel テスト " + std::to_wstring(GetCurrentProcessId());
    folder_ = base_ + L"\\資料 フォルダ Ünï 한글";
    file_ = folder_ + L"\\報告 書 2026 émoji.txt";
    ASSERT_TRUE(CreateDirectoryW(base_.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
    ASSERT_TRUE(WriteFileOfSize(file_, 1234));
  }

  static void TearDownTestSuite() {
    SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(file_.c_str());
    RemoveDirectoryW(folder_.c_str());
    RemoveDirectoryW(base_.c_str());
  }

  // Runs the companion with `arguments` and returns what is on the clipboard afterwards.
  std::wstring CopiedBy(const std::wstring& arguments) {
    EXPECT_TRUE(test::SetClipboardText(L"before the run"));
    test::CompanionRun run = test::RunCompanion(test::CompanionPath(), arguments);
    EXPECT_EQ(0u, run.exitCode) << "arguments: " << testing::PrintToString(arguments);
    EXPECT_FALSE(run.messageShown) << testing::PrintToString(run.message);
    return test::ClipboardText();
  }

  static std::wstring base_;
  static std::wstring folder_;
  static std::wstring file_;
};

std::wstring CompanionOnRealItems::base_;
std::wstring CompanionOnRealItems::folder_;
std::wstring CompanionOnRealItems::file_;

TEST_F(CompanionOnRealItems, LongFormsOfAFile) {
  EXPECT_EQ(file_, CopiedBy(L"1 " + Quoted(file_)));
  EXPECT_EQ(folder_, CopiedBy(L"2 " + Quoted(file_)));
}

TEST_F(CompanionOnRealItems, AShortPathGivenComesBackLong) {
  const std::wstring shortFile = ShortForm(file_);
  ASSERT_FALSE(shortFile.empty());
  ASSERT_NE(file_, shortFile) << "this volume keeps no short names";
  EXPECT_EQ(file_, CopiedBy(L"1 " + Quoted(shortFile)));
  EXPECT_EQ(folder_, CopiedBy(L"2 " + Quoted(shortFile)));
}

TEST_F(CompanionOnRealItems, ShortFormsOfAFile) {
  const std::wstring shortFile = ShortForm(file_);
  const std::wstring shortFolder = ShortForm(folder_);
  ASSERT_NE(file_, shortFile);
  std::wstring copied = CopiedBy(L"3 " + Quoted(file_));
  EXPECT_EQ(shortFile, copied);
  EXPECT_EQ(std::wstring::npos, copied.find(L' ')) << "a short path has no blanks";
  EXPECT_EQ(shortFolder, CopiedBy(L"4 " + Quoted(file_)));
}

TEST_F(CompanionOnRealItems, AFolderWithOrWithoutATrailingBackslash) {
  for (const std::wstring& given : {folder_, folder_ + L"\\"}) {
    EXPECT_EQ(folder_, CopiedBy(L"1 " + Quoted(given)));
    EXPECT_EQ(base_, CopiedBy(L"2 " + Quoted(given)));
    EXPECT_EQ(ShortForm(folder_), CopiedBy(L"3 " + Quoted(given)));
    EXPECT_EQ(ShortForm(base_), CopiedBy(L"4 " + Quoted(given)));
  }
}

TEST_F(CompanionOnRealItems, ADriveRootIsItsOwnLocation) {
  // The shell passes a root as "C:\", a backslash right before the closing quote.
  for (const wchar_t* entry : {L"1 ", L"2 ", L"3 ", L"4 "}) {
    EXPECT_EQ(L"C:\\", CopiedBy(entry + Quoted(L"C:\\"))) << entry;
  }
}

TEST_F(CompanionOnRealItems, DetailsOfAFile) {
  ASSERT_TRUE(SetTimes(file_, FileTimeFromLocal(2021, 3, 4, 5, 6, 7),
                       FileTimeFromLocal(2022, 11, 12, 13, 14, 15)));
  ASSERT_TRUE(SetFileAttributesW(
      file_.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  const std::wstring copied = CopiedBy(L"5 " + Quoted(file_));
  SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL);

  const std::vector<std::wstring> lines = Lines(copied);
  ASSERT_EQ(8u, lines.size()) << testing::PrintToString(copied);
  EXPECT_EQ(L"名前: 報告 書 2026 émoji.txt", lines[0]);
  EXPECT_EQ(L"フルパス: " + file_, lines[1]);
  EXPECT_EQ(L"種類: ファイル", lines[2]);
  EXPECT_EQ(L"サイズ: 1,234 バイト", lines[3]);
  EXPECT_EQ(0u, lines[4].find(L"作成日時: "));
  EXPECT_TRUE(LooksLikeLocalTime(lines[4].substr(6))) << testing::PrintToString(lines[4]);
  EXPECT_EQ(L"更新日時: 2021/03/04 05:06:07", lines[5]);
  EXPECT_EQ(L"アクセス日時: 2022/11/12 13:14:15", lines[6]);
  EXPECT_EQ(L"属性: 読み取り専用, 隠し, アーカイブ", lines[7]);
}

TEST_F(CompanionOnRealItems, DetailsOfAFolderGiveNoSize) {
  ASSERT_TRUE(SetTimes(folder_, FileTimeFromLocal(2020, 2, 29, 23, 59, 58),
                       FileTimeFromLocal(2020, 3, 1, 0, 0, 1)));
  const std::vector<std::wstring> lines = Lines(CopiedBy(L"5 " + Quoted(folder_ + L"\\")));
  ASSERT_EQ(7u, lines.size());
  EXPECT_EQ(L"名前: 資料 フォルダ Ünï 한글", lines[0]);
  EXPECT_EQ(L"フルパス: " + folder_, lines[1]);
  EXPECT_EQ(L"種類: フォルダ", lines[2]);
  EXPECT_EQ(L"更新日時: 2020/02/29 23:59:58", lines[4]);
  EXPECT_EQ(L"アクセス日時: 2020/03/01 00:00:01", lines[5]);
  EXPECT_EQ(L"属性: なし", lines[6]);
}

// Wine serves \\server\share from the folder dosdevices\unc\server\share of its prefix,
// which stands in for a network share here.
class CompanionOnAShare : public CompanionOnRealItems {
 protected:
  void SetUp() override {
    wchar_t prefix[MAX_PATH] = L"";
    if (GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH) == 0) {
      GTEST_SKIP() << "not under Wine: no share to stand in for";
    }
    std::wstring unc = L"Z:" + std::wstring(prefix) + L"\\dosdevices\\unc";
    for (wchar_t& c : unc) c = c == L'/' ? L'\\' : c;
    for (const wchar_t* part : {L"", L"\\vantrelhost", L"\\共有 資料"}) {
      unc += part;
      CreateDirectoryW(unc.c_str(), nullptr);
    }
    ASSERT_TRUE(CreateDirectoryW(kFolder, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(WriteFileOfSize(kFile, 10));
  }
  void TearDown() override {
    DeleteFileW(kFile);
    RemoveDirectoryW(kFolder);
  }

  static constexpr const wchar_t* kShare = L"\\\\vantrelhost\\共有 資料";
  static constexpr const wchar_t* kFolder = L"\\\\vantrelhost\\共有 資料\\月次 報告";
  static constexpr const wchar_t* kFile = L"\\\\vantrelhost\\共有 資料\\月次 報告\\一月.txt";
};

TEST_F(CompanionOnAShare, ItemsKeepTheSharePrefix) {
  EXPECT_EQ(kFile, CopiedBy(L"1 " + Quoted(kFile)));
  EXPECT_EQ(kFolder, CopiedBy(L"2 " + Quoted(kFile)));
  EXPECT_EQ(kShare, CopiedBy(L"2 " + Quoted(kFolder)));
  EXPECT_EQ(kShare, CopiedBy(L"4 " + Quoted(kFolder + std::wstring(L"\\"))));
}

TEST_F(CompanionOnAShare, TheShareItselfIsItsOwnLocation) {
  EXPECT_EQ(kShare, CopiedBy(L"1 " + Quoted(kShare + std::wstring(L"\\"))));
  EXPECT_EQ(kShare, CopiedBy(L"2 " + Quoted(kShare)));
}

// Items of the Windows folder that a 32-bit program is shown elsewhere (System32 as SysWOW64,
// regedit.exe as SysWOW64's), and drivers\etc, which stays. Explorer is a 64-bit program: each
// entry gives what the same item gives through the prefix's folder on the host (Z:), which no
// redirection touches, with its C: path; the short forms as a 64-bit program reads them.
class CompanionOnRedirectedPaths : public CompanionOnRealItems {
 protected:
  static void SetUpTestSuite() {
    wchar_t prefix[MAX_PATH] = L"", windows[MAX_PATH] = L"";
    if (GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH) == 0) return;
    GetWindowsDirectoryW(windows, MAX_PATH);
    windows_ = windows;
    host_ = L"Z:" + std::wstring(prefix) + L"\\drive_c" + windows_.substr(2);
    std::replace(host_.begin(), host_.end(), L'/', L'\\');
    const FILETIME in2021 = FileTimeFromLocal(2021, 3, 4, 5, 6, 7);
    const FILETIME in2019 = FileTimeFromLocal(2019, 1, 2, 3, 4, 5);
    ASSERT_TRUE(WriteFileOfSize(host_ + L"\\system32\\only64.txt", 64));
    ASSERT_TRUE(CreateDirectoryW((host_ + L"\\system32\\only64 folder").c_str(), nullptr));
    ASSERT_TRUE(WriteFileOfSize(host_ + L"\\system32\\both.txt", 111));
    ASSERT_TRUE(WriteFileOfSize(host_ + L"\\syswow64\\both.txt", 222));
    ASSERT_TRUE(SetTimes(host_ + L"\\system32\\both.txt", in2021, in2021));
    ASSERT_TRUE(SetTimes(host_ + L"\\syswow64\\both.txt", in2019, in2019));
  }
  static void TearDownTestSuite() {
    if (host_.empty()) return;
    DeleteFileW((host_ + L"\\system32\\only64.txt").c_str());
    RemoveDirectoryW((host_ + L"\\system32\\only64 folder").c_str());
    DeleteFileW((host_ + L"\\system32\\both.txt").c_str());
    DeleteFileW((host_ + L"\\syswow64\\both.txt").c_str());
  }
  void SetUp() override {
    if (host_.empty()) GTEST_SKIP() << "not under Wine: no host view of the Windows folder";
  }

  // The short form as a 64-bit program reads it. Wine hides the prefix from its host view's
  // listings, which the short name calls walk: the test turns its own redirection off instead.
  static std::wstring ShortIn64BitView(const std::wstring& path) {
    PVOID previous = nullptr;
    const BOOL off = Wow64DisableWow64FsRedirection(&previous);
    const std::wstring shortPath = ShortForm(path);
    if (off) Wow64RevertWow64FsRedirection(previous);
    return shortPath;
  }

  // What the starts of entry on every path of one selection leave on the clipboard.
  std::wstring CopiedTogether(const wchar_t* entry, const std::vector<std::wstring>& paths) {
    std::vector<std::wstring> arguments;
    for (const std::wstring& path : paths) arguments.push_back(entry + Quoted(path));
    EXPECT_TRUE(test::SetClipboardText(L"before the run"));
    for (const test::CompanionRun& run :
         test::RunCompanionsTogether(test::CompanionPath(), arguments)) {
      EXPECT_EQ(0u, run.exitCode) << entry;
      EXPECT_FALSE(run.messageShown) << testing::PrintToString(run.message);
    }
    return test::ClipboardText();
  }

  static std::wstring windows_;
  static std::wstring host_;
};

std::wstring CompanionOnRedirectedPaths::windows_;
std::wstring CompanionOnRedirectedPaths::host_;

// The text of a selection whose items give these texts in Explorer's order: one line for each
// different text (equal texts are neighbours here).
std::wstring SelectionText(std::vector<std::wstring> texts) {
  texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
  std::wstring joined;
  for (const std::wstring& text : texts) joined += (joined.empty() ? L"" : L"\r\n") + text;
  return joined;
}

std::wstring LocationIn(const std::wstring& path) {
  return path.substr(0, path.rfind(L'\\'));
}

TEST_F(CompanionOnRedirectedPaths, EveryEntryShowsTheItemsThat64BitExplorerShows) {
  // In Explorer's order: folders first, each by name.
  const std::vector<std::wstring> items = {L"system32\\drivers\\etc", L"system32\\only64 folder",
                                           L"system32\\both.txt", L"system32\\only64.txt",
                                           L"regedit.exe"};
  std::vector<std::wstring> paths, hostPaths, shorts, longPlaces, shortPlaces;
  for (const std::wstring& item : items) {
    paths.push_back(windows_ + L"\\" + item);
    hostPaths.push_back(host_ + L"\\" + item);
    shorts.push_back(ShortIn64BitView(paths.back()));
    longPlaces.push_back(LocationIn(paths.back()));
    shortPlaces.push_back(LocationIn(shorts.back()));
  }
  std::wstring details = CopiedTogether(L"5 ", hostPaths);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::size_t at = details.find(L"フルパス: " + hostPaths[i] + L"\r\n");
    ASSERT_NE(std::wstring::npos, at) << testing::PrintToString(details);
    details.replace(at + 6, hostPaths[i].size(), paths[i]);
  }

  EXPECT_EQ(SelectionText(paths), CopiedTogether(L"1 ", paths));
  EXPECT_EQ(SelectionText(longPlaces), CopiedTogether(L"2 ", paths));
  EXPECT_EQ(SelectionText(shorts), CopiedTogether(L"3 ", paths));
  EXPECT_EQ(SelectionText(shortPlaces), CopiedTogether(L"4 ", paths));
  EXPECT_EQ(details, CopiedTogether(L"5 ", paths));
}

// Each wrong start shows one error box of its own, ends non-zero and leaves the clipboard.
class CompanionRefuses : public CompanionOnRealItems {
 protected:
  test::CompanionRun Refused(const std::wstring& arguments) {
    const std::wstring before = L"kept 保持 " + arguments;
    EXPECT_TRUE(test::SetClipboardText(before));
    test::CompanionRun run = test::RunCompanion(test::CompanionPath(), arguments);
    EXPECT_TRUE(run.messageShown) << testing::PrintToString(arguments);
    EXPECT_EQ(before, test::ClipboardText());
    return run;
  }
};

TEST_F(CompanionRefuses, NoArguments) {
  test::CompanionRun run = Refused(L"");
  EXPECT_EQ(1u, run.exitCode);
  EXPECT_NE(std::wstring::npos, run.message.find(L"項目番号が指定されていません"))
      << testing::PrintToString(run.message);
}

TEST_F(CompanionRefuses, AnUnknownEntry) {
  test::CompanionRun run = Refused(L"7 " + Quoted(file_));
  EXPECT_EQ(1u, run.exitCode);
  EXPECT_NE(std::wstring::npos, run.message.find(L"項目番号が正しくありません: 7"))
      << testing::PrintToString(run.message);
}

TEST_F(CompanionRefuses, AMissingPath) {
  test::CompanionRun run = Refused(L"1");
  EXPECT_EQ(1u, run.exitCode);
  EXPECT_NE(std::wstring::npos, run.message.find(L"ファイルまたはフォルダが指定されていません"));
}

TEST_F(CompanionRefuses, AnItemThatDoesNotExist) {
  const std::wstring gone = folder_ + L"\\無い ファイル.txt";
  test::CompanionRun run = Refused(L"2 " + Quoted(gone));
  EXPECT_EQ(2u, run.exitCode);
  EXPECT_NE(std::wstring::npos, run.message.find(L"見つかりません"))
      << testing::PrintToString(run.message);
  EXPECT_NE(std::wstring::npos, run.message.find(gone));
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: companion_wine_tests <path of Vantrel.Dll>\n");
    return 2;
  }
  test::SetCompanionPath(test::WindowsPathOf(argv[1]));
  return RUN_ALL_TESTS();
}
