// Several starts of the real Vantrel.Dll at once, as the file manager makes them for a
// selection, and what they leave on the clipboard together.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "CompanionProcess.h"
#include "TestClipboard.h"

namespace {

// In the file manager's order: digits by value ("写真 2" before "写真 10"), which as plain
// text would be 1, 10, 11, 2, ...
const std::vector<std::wstring> kNames = {
    L"a b 2.txt",   L"A b 10.txt",  L"メモ 9.txt",  L"メモ 10.txt", L"写真 1.jpg",
    L"写真 2.jpg",  L"写真 3.jpg",  L"写真 4.jpg",  L"写真 5.jpg",  L"写真 6.jpg",
    L"写真 7.jpg",  L"写真 8.jpg",  L"写真 9.jpg",  L"写真 10.jpg", L"写真 11.jpg",
    L"写真 12.jpg", L"写真 13.jpg", L"写真 14.jpg", L"写真 15.jpg", L"写真 16.jpg",
};
// A folder, then pairs in Explorer's order, which an order by code unit turns round for all
// but the last pair: the fifteen items of one more selection.
const std::vector<std::wstring> kOrdered = {
    L"zz フォルダ", L"_old.txt", L"a.txt",    L"~$doc.docx", L"doc.docx",
    L"[1] x",       L"a x",      L"アルバム", L"かばん",     L"ｶﾒﾗ",
    L"きのこ",      L"été",      L"fête",     L"写真 2.jpg", L"写真 10.jpg"};
// What keeps a write out of the clipboard history, the cloud clipboard and monitors.
const std::vector<const wchar_t*> kPartialFormats = {
    L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard",
    L"ExcludeClipboardContentFromMonitorProcessing"};
// What the clipboard listener saw, by sequence number.
std::map<DWORD, test::ClipboardContents> g_updates;

// The texts of the copies the listener saw, each a clipboard history entry: the updates
// without the formats that keep a partial write out of the history.
std::vector<std::wstring> CopiesSeen() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  std::vector<std::wstring> copies;
  for (const auto& update : g_updates) {
    const bool partial = update.second.has == std::vector<bool>(3, true);
    EXPECT_TRUE(partial || update.second.has == std::vector<bool>(3, false));
    if (!partial) copies.push_back(update.second.text);
  }
  g_updates.clear();
  return copies;
}

std::wstring Quoted(const std::wstring& text) {
  return L"\"" + text + L"\"";
}

std::wstring Joined(const std::vector<std::wstring>& parts, const wchar_t* separator) {
  std::wstring text;
  for (const std::wstring& part : parts) text += (text.empty() ? L"" : separator) + part;
  return text;
}

// The test's own message-only windows, in the class of the companion's gatherer: one named "1"
// stands where entry 1's gatherer would, in another program, and takes every item handed to
// it; a clipboard listener reads each update; the clipboard's owner is slow to let it go.
LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLIPBOARDUPDATE) {
    const test::ClipboardContents contents = test::ReadClipboard(kPartialFormats);
    g_updates.emplace(contents.sequence, contents);
  }
  if (message == WM_DESTROYCLIPBOARD) Sleep(300);
  return message == WM_COPYDATA ? TRUE : DefWindowProcW(window, message, wParam, lParam);
}

::win32::UniqueWindow TestWindow(const wchar_t* name) {
  const wchar_t* const kClass = L"Vantrel.Companion.Selection";
  const WNDCLASSW windowClass = {0,       TestWindowProc, 0,       0,       nullptr,
                                 nullptr, nullptr,        nullptr, nullptr, kClass};
  RegisterClassW(&windowClass);  // Fails, harmlessly, after the first time.
  return ::win32::UniqueWindow(
      CreateWindowExW(0, kClass, name, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
}

bool MakeFile(const std::wstring& path) {
  ::win32::UniqueHandle file(::win32::FromInvalid(CreateFileW(
      path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
  return static_cast<bool>(file);
}

class CompanionSelection : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    keeper_ = test::KeepDesktopWindow().release();
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    wchar_t longTemp[MAX_PATH];
    GetLongPathNameW(temp, longTemp, MAX_PATH);
    folder_ = std::wstring(longTemp) + L"Vantrel 選択 " + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
    for (const std::wstring& name : kNames) ASSERT_TRUE(MakeFile(PathOf(name)));
    ASSERT_TRUE(CreateDirectoryW(PathOf(kOrdered[0]).c_str(), nullptr));
    for (std::size_t i = 1; i < kOrdered.size(); ++i) ASSERT_TRUE(MakeFile(PathOf(kOrdered[i])));
  }
  static void TearDownTestSuite() {
    for (const std::wstring& name : kNames) DeleteFileW(PathOf(name).c_str());
    for (const std::wstring& name : kOrdered) DeleteFileW(PathOf(name).c_str());
    RemoveDirectoryW(PathOf(kOrdered[0]).c_str());
    RemoveDirectoryW(folder_.c_str());
    ::win32::UniqueWindow(keeper_).reset();
  }

  static std::wstring PathOf(const std::wstring& name) { return folder_ + L"\\" + name; }

  // Starts entry for every path at once, last path first; every start must end well and
  // without a message. Returns what is on the clipboard afterwards.
  // The last start, of the first path, may come `lateMs` after the others.
  static std::wstring CopiedTogether(int entry, const std::vector<std::wstring>& paths,
                                     unsigned long lateMs = 0) {
    std::vector<std::wstring> arguments;
    for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
      arguments.push_back(std::to_wstring(entry) + L" " + Quoted(*path));
    }
    unsigned long lingered = 0;
    for (const test::CompanionRun& run :
         test::RunCompanionsTogether(test::CompanionPath(), arguments, &lingered, lateMs)) {
      EXPECT_EQ(0u, run.exitCode);
      EXPECT_FALSE(run.messageShown) << testing::PrintToString(run.message);
    }
    // About a second on a quiet machine; the bound leaves room for a loaded one and still
    // catches a process that does not end by itself.
    EXPECT_LT(lingered, 6000u) << "the starts ran on this long after the last start";
    return test::ClipboardText();
  }

  static std::vector<std::wstring> Paths(std::size_t count) {
    std::vector<std::wstring> paths;
    for (std::size_t i = 0; i < count; ++i) paths.push_back(PathOf(kNames[i]));
    return paths;
  }

  void SetUp() override { ASSERT_TRUE(test::SetClipboardText(L"before the selection")); }

  static HWND keeper_;
  static std::wstring folder_;
};

HWND CompanionSelection::keeper_ = nullptr;
std::wstring CompanionSelection::folder_;

TEST_F(CompanionSelection, FifteenItemsEndAsOneTextInTheFileManagersOrder) {
  const std::vector<std::wstring> paths = Paths(15);
  EXPECT_EQ(Joined(paths, L"\r\n"), CopiedTogether(1, paths));
}

TEST_F(CompanionSelection, FiveFilesOfOneFolderGiveItsLocationOnce) {
  EXPECT_EQ(folder_, CopiedTogether(2, Paths(5)));
}

TEST_F(CompanionSelection, DetailsOfThreeItemsAreBlocksWithAnEmptyLineBetween) {
  const std::wstring copied = CopiedTogether(5, Paths(3));
  std::vector<std::wstring> blocks;
  for (std::size_t start = 0;;) {
    const std::size_t end = copied.find(L"\r\n\r\n", start);
    blocks.push_back(copied.substr(start, end == std::wstring::npos ? end : end - start));
    if (end == std::wstring::npos) break;
    start = end + 4;
  }
  ASSERT_EQ(3u, blocks.size()) << testing::PrintToString(copied);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(0u, blocks[i].find(L"名前: " + kNames[i] + L"\r\nフルパス: " + PathOf(kNames[i])))
        << testing::PrintToString(blocks[i]);
    EXPECT_NE(L'\n', blocks[i].back());
  }
}

TEST_F(CompanionSelection, FoldersFirstThenNamesByTheSystemsRules) {
  std::vector<std::wstring> paths;
  for (const std::wstring& name : kOrdered) paths.push_back(PathOf(name));
  const std::wstring lines = L"\r\n" + CopiedTogether(1, paths) + L"\r\n";
  const auto at = [&](std::size_t i) { return lines.find(L"\r\n" + paths[i] + L"\r\n"); };
  EXPECT_EQ(16, std::count(lines.begin(), lines.end(), L'\n'));
  EXPECT_EQ(0u, at(0));
  for (std::size_t i = 1; i < paths.size(); i += 2) EXPECT_LT(at(i), at(i + 1)) << kOrdered[i];
}

// Explorer starts up to a hundred items of one use when asked to: none is left out.
TEST_F(CompanionSelection, TwentyItemsMakeOneCopyForTheClipboardHistory) {
  const ::win32::UniqueWindow listener = TestWindow(L"listener");
  ASSERT_TRUE(AddClipboardFormatListener(listener.get()));
  const std::wstring all = Joined(Paths(20), L"\r\n");
  EXPECT_EQ(all, CopiedTogether(1, Paths(20)));
  EXPECT_EQ(std::vector<std::wstring>{all}, CopiesSeen());
}

// A start the system slowed down comes as the gatherer ends, or after: its item is on the
// clipboard all the same, in one history entry or, once the gatherer ended, in a second one.
TEST_F(CompanionSelection, AnItemStartedLateJoinsTheText) {
  const ::win32::UniqueWindow listener = TestWindow(L"listener");
  ASSERT_TRUE(AddClipboardFormatListener(listener.get()));
  const std::wstring all = Joined(Paths(5), L"\r\n");
  EXPECT_EQ(all, CopiedTogether(1, Paths(5), 600));
  const std::vector<std::wstring> copies = CopiesSeen();
  ASSERT_FALSE(copies.empty());
  EXPECT_EQ(all, copies.back());
  EXPECT_LE(copies.size(), 2u);
  std::cout << "[ history  ] " << copies.size() << " entries for an item started 0.6 s late\n";
}

// Another program that holds the clipboard a while delays the copy but loses no item and
// makes no start report a failure; a copy the user makes there meanwhile stays.
TEST_F(CompanionSelection, AClipboardAnotherProgramHoldsTwoSecondsGetsEveryItem) {
  const std::wstring all = Joined(Paths(5), L"\r\n");
  {
    const test::ClipboardHolder holder(2000);
    ASSERT_TRUE(holder.holding());
    EXPECT_EQ(all, CopiedTogether(1, Paths(5)));
  }
  // Held from the moment a partial write holds every item until well after the gatherer's
  // quiet time: its last write waits, and it does not report the copy it made as failed.
  const test::ClipboardHolder holder(3000, L"", all);
  EXPECT_EQ(all, CopiedTogether(1, Paths(5)));
  EXPECT_TRUE(holder.holding());
}

TEST_F(CompanionSelection, TheUsersCopyMadeWhileAWriteWaitsStays) {
  const test::ClipboardHolder holder(1000, L"the user's copy");
  ASSERT_TRUE(holder.holding());
  EXPECT_EQ(L"the user's copy", CopiedTogether(1, Paths(3)));
}

TEST_F(CompanionSelection, AnOwnerSlowToLetTheClipboardGoStillGetsTheWholeSelection) {
  const ::win32::UniqueWindow owner = TestWindow(L"owner");
  ASSERT_TRUE(test::SetClipboardText(L"held by a slow owner", owner.get()));
  EXPECT_EQ(Joined(Paths(3), L"\r\n"), CopiedTogether(1, Paths(3)));
  EXPECT_TRUE(test::ReadClipboard({L"Vantrel.Selection"}).has[0]);
}

TEST_F(CompanionSelection, AWindowOfTheGatherersNameInAnotherProgramGetsNoItem) {
  const ::win32::UniqueWindow impostor = TestWindow(L"1");
  EXPECT_EQ(PathOf(kNames[0]), CopiedTogether(1, {PathOf(kNames[0])}));
}

TEST_F(CompanionSelection, AMissingItemGetsItsMessageOnceAndTheOthersAreCopied) {
  const std::wstring missing = PathOf(L"無い 5.txt");
  std::vector<std::wstring> arguments;
  for (const std::wstring& path : {Paths(4)[0], Paths(4)[1], missing, Paths(4)[2], Paths(4)[3]}) {
    arguments.push_back(L"1 " + Quoted(path));
  }
  const std::vector<test::CompanionRun> runs =
      test::RunCompanionsTogether(test::CompanionPath(), arguments);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(i == 2 ? 2u : 0u, runs[i].exitCode) << i;
    EXPECT_EQ(i == 2, runs[i].messageShown) << i;
  }
  EXPECT_NE(std::wstring::npos, runs[2].message.find(missing))
      << testing::PrintToString(runs[2].message);
  EXPECT_EQ(Joined(Paths(4), L"\r\n"), test::ClipboardText());
}

TEST_F(CompanionSelection, TwoUsesThreeSecondsApartAreSeparate) {
  const std::vector<std::wstring> first = Paths(3);
  const std::vector<std::wstring> second = {PathOf(kNames[10]), PathOf(kNames[12])};
  const DWORD started = GetTickCount();
  EXPECT_EQ(Joined(first, L"\r\n"), CopiedTogether(1, first));
  const DWORD elapsed = GetTickCount() - started;
  if (elapsed < 3000) Sleep(3000 - elapsed);
  EXPECT_EQ(Joined(second, L"\r\n"), CopiedTogether(1, second));
}

TEST_F(CompanionSelection, AnItemOfMoreThanThreeHundredCharacters) {
  std::wstring deep = folder_;
  std::vector<std::wstring> levels;
  while (deep.size() < 300) {
    deep += L"\\長い 階層の フォルダ 名前 " + std::to_wstring(levels.size());
    levels.push_back(deep);
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr));
  }
  const std::wstring file = deep + L"\\最後の ファイル.txt";
  ASSERT_TRUE(MakeFile(L"\\\\?\\" + file));
  EXPECT_EQ(file, CopiedTogether(1, {file}));
  EXPECT_EQ(deep, CopiedTogether(2, {file}));
  const std::wstring details = CopiedTogether(5, {file});
  EXPECT_NE(std::wstring::npos, details.find(L"\r\nフルパス: " + file + L"\r\n"))
      << testing::PrintToString(details);
  DeleteFileW((L"\\\\?\\" + file).c_str());
  for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
    RemoveDirectoryW((L"\\\\?\\" + *level).c_str());
  }
}

}  // namespace
