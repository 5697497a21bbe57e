#include <gtest/gtest.h>

#include "FakeItemQueries.h"
#include "companion/ClipboardText.h"

namespace companion {
namespace {

using testing::FakeItemQueries;

class ClipboardTextTest : public ::testing::Test {
 protected:
  std::wstring TextFor(Entry entry, const std::wstring& path) {
    Outcome outcome = BuildClipboardText(entry, path, fs);
    EXPECT_EQ(Problem::kNone, outcome.problem) << path.c_str();
    return outcome.text;
  }

  FakeItemQueries fs;
};

TEST_F(ClipboardTextTest, AFileGivesItsLongAndShortPathAndLocation) {
  fs.Add(L"C:\\My Documents\\Annual Report.txt", ItemKind::File,
         L"C:\\My Documents\\Annual Report.txt", L"C:\\MYDOCU~1\\ANNUAL~1.TXT");
  const std::wstring file = L"C:\\My Documents\\Annual Report.txt";
  EXPECT_EQ(L"C:\\My Documents\\Annual Report.txt", TextFor(Entry::kLongPath, file));
  EXPECT_EQ(L"C:\\My Documents", TextFor(Entry::kLongLocation, file));
  EXPECT_EQ(L"C:\\MYDOCU~1\\ANNUAL~1.TXT", TextFor(Entry::kShortPath, file));
  EXPECT_EQ(L"C:\\MYDOCU~1", TextFor(Entry::kShortLocation, file));
}

TEST_F(ClipboardTextTest, AShortPathGivenIsCopiedInItsLongForm) {
  fs.Add(L"C:\\PROGRA~1\\資料~1", ItemKind::Folder, L"C:\\Program Files\\資料 フォルダ",
         L"C:\\PROGRA~1\\資料~1");
  EXPECT_EQ(L"C:\\Program Files\\資料 フォルダ",
            TextFor(Entry::kLongPath, L"C:\\PROGRA~1\\資料~1"));
  EXPECT_EQ(L"C:\\Program Files", TextFor(Entry::kLongLocation, L"C:\\PROGRA~1\\資料~1"));
}

TEST_F(ClipboardTextTest, WithoutShortNamesTheShortEntriesGiveTheLongForm) {
  fs.Add(L"D:\\Long Folder Name\\data file.bin", ItemKind::File,
         L"D:\\Long Folder Name\\data file.bin", L"");
  const std::wstring file = L"D:\\Long Folder Name\\data file.bin";
  EXPECT_EQ(L"D:\\Long Folder Name\\data file.bin", TextFor(Entry::kShortPath, file));
  EXPECT_EQ(L"D:\\Long Folder Name", TextFor(Entry::kShortLocation, file));
}

TEST_F(ClipboardTextTest, WhenTheLongFormIsUnknownThePathGivenIsUsed) {
  fs.Add(L"C:\\x\\y.txt", ItemKind::File, L"", L"");
  EXPECT_EQ(L"C:\\x\\y.txt", TextFor(Entry::kLongPath, L"C:\\x\\y.txt"));
  EXPECT_EQ(L"C:\\x\\y.txt", TextFor(Entry::kShortPath, L"C:\\x\\y.txt"));
}

TEST_F(ClipboardTextTest, AFolderWithATrailingBackslashIsAskedAndCopiedWithoutIt) {
  fs.Add(L"C:\\Data\\Sub", ItemKind::Folder, L"C:\\Data\\Sub", L"C:\\Data\\Sub");
  EXPECT_EQ(L"C:\\Data\\Sub", TextFor(Entry::kLongPath, L"C:\\Data\\Sub\\"));
  EXPECT_EQ(L"C:\\Data", TextFor(Entry::kLongLocation, L"C:\\Data\\Sub\\\\"));
  EXPECT_EQ(L"C:\\Data", TextFor(Entry::kShortLocation, L"C:\\Data\\Sub\\"));
  for (const std::wstring& asked : fs.asked) EXPECT_EQ(L"C:\\Data\\Sub", asked);
}

TEST_F(ClipboardTextTest, ADriveRootIsItsOwnLocation) {
  fs.Add(L"C:\\", ItemKind::Folder, L"C:\\", L"C:\\");
  for (Entry entry :
       {Entry::kLongPath, Entry::kLongLocation, Entry::kShortPath, Entry::kShortLocation}) {
    EXPECT_EQ(L"C:\\", TextFor(entry, L"C:\\"));
  }
}

TEST_F(ClipboardTextTest, ShareItemsKeepTheirPrefix) {
  fs.Add(L"\\\\server\\share\\Quarterly Report.docx", ItemKind::File,
         L"\\\\server\\share\\Quarterly Report.docx", L"\\\\server\\share\\QUARTE~1.DOC");
  const std::wstring file = L"\\\\server\\share\\Quarterly Report.docx";
  EXPECT_EQ(file, TextFor(Entry::kLongPath, file));
  EXPECT_EQ(L"\\\\server\\share", TextFor(Entry::kLongLocation, file));
  EXPECT_EQ(L"\\\\server\\share\\QUARTE~1.DOC", TextFor(Entry::kShortPath, file));
  EXPECT_EQ(L"\\\\server\\share", TextFor(Entry::kShortLocation, file));
}

TEST_F(ClipboardTextTest, AShareRootIsItsOwnLocation) {
  fs.Add(L"\\\\server\\share", ItemKind::Folder, L"\\\\server\\share\\", L"");
  EXPECT_EQ(L"\\\\server\\share", TextFor(Entry::kLongPath, L"\\\\server\\share\\"));
  EXPECT_EQ(L"\\\\server\\share", TextFor(Entry::kLongLocation, L"\\\\server\\share\\"));
  EXPECT_EQ(L"\\\\server\\share", TextFor(Entry::kShortLocation, L"\\\\server\\share"));
}

TEST_F(ClipboardTextTest, DetailsDescribeTheLongForm) {
  auto& item = fs.Add(L"C:\\DATA~1\\REPORT~1.TXT", ItemKind::File, L"C:\\データ\\報告 書.txt",
                      L"C:\\DATA~1\\REPORT~1.TXT");
  item.facts.size = 2048;
  item.facts.attributes = attribute::kHidden;
  std::wstring text = TextFor(Entry::kDetails, L"C:\\DATA~1\\REPORT~1.TXT");
  EXPECT_EQ(0u, text.find(L"名前: 報告 書.txt\r\nフルパス: C:\\データ\\報告 書.txt\r\n"))
      << text.c_str();
  EXPECT_NE(std::wstring::npos, text.find(L"サイズ: 2,048 バイト"));
  EXPECT_NE(std::wstring::npos, text.find(L"属性: 隠し"));
}

TEST_F(ClipboardTextTest, AMissingItemIsAProblemNamingThePathAsGiven) {
  for (Entry entry : {Entry::kLongPath, Entry::kLongLocation, Entry::kShortPath,
                      Entry::kShortLocation, Entry::kDetails}) {
    Outcome outcome = BuildClipboardText(entry, L"C:\\gone\\", fs);
    EXPECT_EQ(Problem::kPathNotFound, outcome.problem);
    EXPECT_EQ(L"C:\\gone\\", outcome.text);
  }
}

TEST(PrepareStart, RunsTheWholeCommand) {
  FakeItemQueries fs;
  fs.Add(L"C:\\", ItemKind::Folder, L"C:\\", L"C:\\");
  fs.Add(L"C:\\a b\\c d.txt", ItemKind::File, L"C:\\a b\\c d.txt", L"C:\\AB~1\\CD~1.TXT");
  Outcome outcome = PrepareStart(L"\"C:\\V\\Vantrel.Dll\" 4 \"C:\\a b\\c d.txt\"", fs).outcome;
  EXPECT_EQ(Problem::kNone, outcome.problem);
  EXPECT_EQ(L"C:\\AB~1", outcome.text);
  outcome = PrepareStart(L"\"C:\\V\\Vantrel.Dll\" 2 \"C:\\\"", fs).outcome;
  EXPECT_EQ(Problem::kNone, outcome.problem);
  EXPECT_EQ(L"C:\\", outcome.text);
}

TEST(PrepareStart, CommandLineProblemsAskNothingOfTheFileSystem) {
  FakeItemQueries fs;
  EXPECT_EQ(Problem::kMissingEntry, PrepareStart(L"Vantrel.Dll", fs).outcome.problem);
  EXPECT_EQ(Problem::kUnknownEntry, PrepareStart(L"Vantrel.Dll 9 C:\\", fs).outcome.problem);
  EXPECT_EQ(Problem::kMissingPath, PrepareStart(L"Vantrel.Dll 1", fs).outcome.problem);
  EXPECT_TRUE(fs.asked.empty());
}

TEST(ProblemMessages, NameWhatWasWrongAndEndNonZero) {
  EXPECT_NE(std::wstring::npos, ProblemMessage(Problem::kUnknownEntry, L"9").find(L": 9"));
  EXPECT_NE(std::wstring::npos,
            ProblemMessage(Problem::kPathNotFound, L"C:\\無い.txt").find(L"C:\\無い.txt"));
  for (Problem problem : {Problem::kMissingEntry, Problem::kUnknownEntry, Problem::kMissingPath,
                          Problem::kPathNotFound, Problem::kClipboardFailed}) {
    EXPECT_FALSE(ProblemMessage(problem, L"x").empty());
    EXPECT_NE(0, ExitCodeFor(problem));
  }
  EXPECT_EQ(0, ExitCodeFor(Problem::kNone));
}

}  // namespace
}  // namespace companion
