#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FakeItemQueries.h"
#include "companion/LogicalOrder.h"
#include "companion/Selection.h"

namespace companion {
namespace {

constexpr FileTime kSecond = FileTimeSpan(1000);
constexpr FileTime kT0 = 133000000000000000ull;  // Some moment in 2022.

TEST(LogicalOrder, NumbersByValueLettersWithoutCase) {
  // Each row sorts first to second.
  const wchar_t* rows[][2] = {
      {L"写真 2.jpg", L"写真 10.jpg"}, {L"a2", L"A10"},      {L"x9y", L"x10a"},
      {L"Report", L"report 1"},        {L"007", L"8"},       {L"ｆｉｌｅ 3", L"ＦＩＬＥ 20"},
      {L"C:\\a b\\2", L"C:\\A B\\11"}, {L"été 1", L"ÉTÉ 2"}, {L"v1.9", L"v1.10"},
  };
  for (const auto& row : rows) {
    EXPECT_LT(CompareLogically(row[0], row[1]), 0) << row[0] << L" / " << row[1];
    EXPECT_GT(CompareLogically(row[1], row[0]), 0) << row[1] << L" / " << row[0];
  }
  // Names that differ only in case or leading zeros still get one fixed order.
  EXPECT_EQ(0, CompareLogically(L"Same", L"Same"));
  EXPECT_EQ(-CompareLogically(L"abc", L"ABC"), CompareLogically(L"ABC", L"abc"));
  EXPECT_NE(0, CompareLogically(L"f01", L"f1"));
}

class SelectionTest : public ::testing::Test {
 protected:
  // Items arrive one at a time, the way the starts hand them over.
  Joined Arrive(FileTime at, const std::wstring& key, const std::wstring& text,
                bool folder = false) {
    return selection.Add(StartedItem{at, SelectionItem{key, text, folder}});
  }
  void ArriveAll(const std::vector<std::wstring>& paths) {
    FileTime at = kT0;
    for (const std::wstring& path : paths) Arrive(at += FileTimeSpan(30), path, path);
  }
  std::size_t Lines() {
    const std::wstring text = selection.Text(names);
    return text.empty() ? 0
                        : 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), L'\n'));
  }

  Selection selection{Entry::kLongPath};
  testing::FakeItemQueries names;
};

TEST_F(SelectionTest, LinesInNameOrderWhateverTheyArriveIn) {
  ArriveAll({L"C:\\写真\\写真 10.jpg", L"C:\\写真\\a b.txt", L"C:\\写真\\写真 2.jpg",
             L"C:\\写真\\写真 1.jpg"});
  EXPECT_EQ(
      L"C:\\写真\\a b.txt\r\nC:\\写真\\写真 1.jpg\r\nC:\\写真\\写真 2.jpg\r\nC:\\写真\\写真 10.jpg",
      selection.Text(names));
  const std::wstring once = selection.Text(names);
  ArriveAll({L"C:\\写真\\a b.txt"});  // The same item again (a repeated hand-over).
  EXPECT_EQ(once, selection.Text(names));
}

TEST_F(SelectionTest, ALineSeveralItemsGiveAppearsOnceInTheOrderOfTheirNames) {
  selection = Selection(Entry::kLongLocation);
  Arrive(kT0, L"C:\\z\\b 10.txt", L"C:\\z");
  Arrive(kT0 + 1, L"C:\\y\\x.txt", L"C:\\y");
  Arrive(kT0 + 2, L"C:\\z\\a.txt", L"C:\\z");
  Arrive(kT0 + 3, L"C:\\x\\x.txt", L"C:\\x");
  Arrive(kT0 + 4, L"C:\\w\\zz", L"C:\\w", true);
  // As search results list them: the folder zz, then a.txt, b 10.txt, and x.txt of both folders
  // in their folders' order.
  EXPECT_EQ(L"C:\\w\r\nC:\\z\r\nC:\\x\r\nC:\\y", selection.Text(names));
}

TEST_F(SelectionTest, DetailsBlocksAreSeparatedByAnEmptyLine) {
  selection = Selection(Entry::kDetails);
  Arrive(kT0, L"C:\\d\\2", L"名前: 2\r\nフルパス: C:\\d\\2");
  Arrive(kT0, L"C:\\d\\1", L"名前: 1\r\nフルパス: C:\\d\\1");
  EXPECT_EQ(L"名前: 1\r\nフルパス: C:\\d\\1\r\n\r\n名前: 2\r\nフルパス: C:\\d\\2",
            selection.Text(names));
}

TEST_F(SelectionTest, AStartAfterTheGathererCarriesOnOnlyTheSelectionOfItsOwnUse) {
  Arrive(kT0 + kSecond * 9 / 10, L"b", L"b");
  Arrive(kT0, L"a", L"a");
  auto carriedOn = [&](FileTime at, Entry entry = Entry::kLongPath) {
    Selection late(entry);
    late.Add(StartedItem{at, SelectionItem{L"c", L"c"}});
    late.CarryOn(selection.Encode(), RecordWriter::kEnded, at);
    return late.Text(names);
  };
  EXPECT_EQ(L"a\r\nb\r\nc", carriedOn(kT0 + kSecond * 18 / 10));  // Near the latest start.
  EXPECT_EQ(L"a\r\nb\r\nc", carriedOn(kT0 + kSecond / 2));
  EXPECT_EQ(L"a\r\nb\r\nc", carriedOn(kT0 - kSecond / 20));
  EXPECT_EQ(L"c", carriedOn(kT0 + 2 * kSecond));       // The next use.
  EXPECT_EQ(L"c", carriedOn(kT0, Entry::kShortPath));  // Another command.
}

// The items of one use make one text whatever order they arrive in: c, started 1.2 s after a,
// looks like a new use until b, started between them, arrives. Of two uses the later is kept
// whole and the earlier as far as a hundred items in all allow, also in the record a later
// start reads.
TEST_F(SelectionTest, OneUseWhateverTheOrderOfArrivalAndTheLatestUseKeptWhole) {
  Arrive(kT0, L"a", L"a");
  Arrive(kT0 + kSecond * 12 / 10, L"c", L"c");
  EXPECT_EQ(L"c", selection.Text(names));
  Arrive(kT0 + kSecond * 6 / 10, L"b", L"b");
  EXPECT_EQ(L"a\r\nb\r\nc", selection.Text(names));

  for (int i = 0; i < 110; ++i) {
    const std::wstring name = std::to_wstring(1000 + i);
    EXPECT_EQ(Joined::kAdded,
              Arrive(kT0 + (i < 30 ? 2 : 5) * kSecond + FileTimeSpan(i), name, name));
  }
  EXPECT_EQ(80u, Lines());
  EXPECT_EQ(kMostItems, selection.items().size());
  EXPECT_EQ(kT0 + 2 * kSecond + FileTimeSpan(10), selection.items().front().startedAt);
  Selection decoded(Entry::kLongPath);
  ASSERT_TRUE(Selection::Decode(selection.Encode(), &decoded));
  EXPECT_EQ(decoded.Text(names), selection.Text(names));
}

// Every item of one use is kept, up to the shell's limit for a command verb; an item that
// cannot be kept is refused and leaves the selection as it was, so that its start can tell.
TEST_F(SelectionTest, ItemsOfOneUseAreKeptWholeOrRefusedNeverTakenAndDropped) {
  const struct {
    const char* what;
    int before;  // Items of one use, 10 ms apart from kT0.
    FileTime at;
    Joined joined;
    std::size_t lines;
  } rows[] = {
      {"the 20th", 19, kT0 + kSecond, Joined::kAdded, 20},
      {"the 100th", 99, kT0 + kSecond, Joined::kAdded, 100},
      {"the 101st", 100, kT0 + kSecond, Joined::kRefused, 100},
      {"one started before a clock step back", 20, kT0 - 20 * kSecond, Joined::kRefused, 20},
      {"one from an earlier use", 20, kT0 - 10 * kSecond, Joined::kAdded, 20},
  };
  for (const auto& row : rows) {
    selection = Selection(Entry::kLongPath);
    for (int i = 0; i < row.before; ++i) {
      const std::wstring name = L"item " + std::to_wstring(i);
      ASSERT_EQ(Joined::kAdded, Arrive(kT0 + FileTimeSpan(10 * i), name, name)) << row.what;
    }
    const std::wstring before = selection.Encode();
    EXPECT_EQ(row.joined, Arrive(row.at, L"late", L"late")) << row.what;
    EXPECT_EQ(row.lines, Lines()) << row.what;
    if (row.joined == Joined::kRefused) {
      EXPECT_EQ(before, selection.Encode()) << row.what;
    }
    EXPECT_EQ(Joined::kHeldAlready, Arrive(kT0, L"item 0", L"item 0")) << row.what;
  }
}

// A record as written here, with '|' between fields and '/' between items.
std::wstring R(std::wstring text) {
  for (wchar_t& c : text) c = c == L'|' ? L'\x1F' : c == L'/' ? L'\x1E' : c;
  return text;
}

// Item "c", started at `at`, comes after a gatherer ended and finds a record on the clipboard:
// the later use wins, and a record no use of this program leaves counts as none.
TEST_F(SelectionTest, AStartCarriesOnOnlyARecordThisProgramLeftForItsUse) {
  Arrive(kT0 + kSecond * 9 / 10, L"b", L"b");
  Arrive(kT0, L"a", L"a");
  const std::wstring ab = selection.Encode(), t0 = std::to_wstring(kT0);
  std::wstring tooMany = R(L"1");
  for (int i = 0; i <= 100; ++i) tooMany += R(L"/k" + std::to_wstring(i) + L"|t|0|" + t0);
  const FileTime past = kT0 - 3600 * kSecond;
  const struct {
    const char* what;
    std::wstring record;
    RecordWriter writer;
    FileTime at;
    std::wstring text;
  } rows[] = {
      {"the same use, its gatherer ended", ab, RecordWriter::kEnded, kT0 + kSecond, L"a\r\nb\r\nc"},
      {"the same use, a gatherer running", ab, RecordWriter::kThisProgram, kT0 + kSecond,
       L"a\r\nb\r\nc"},
      {"another program's record", ab, RecordWriter::kOtherProgram, kT0 + kSecond, L"c"},
      {"the next use", ab, RecordWriter::kEnded, kT0 + 2 * kSecond, L"c"},
      {"a clock set back since", ab, RecordWriter::kEnded, past, L"c"},
      {"101 items", tooMany, RecordWriter::kEnded, kT0, L"c"},
      {"past 64 bits", R(L"1/k|k|0|18579744073709551616"), RecordWriter::kEnded, kT0, L"c"},
  };
  for (const auto& row : rows) {
    Selection late(Entry::kLongPath);
    late.Add(StartedItem{row.at, SelectionItem{L"c", L"c"}});
    late.CarryOn(row.record, row.writer, row.at);
    EXPECT_EQ(row.text, late.Text(names)) << row.what;
  }
}

TEST_F(SelectionTest, TheRecordGivesTheSameSelectionBackAndRefusesOtherText) {
  ArriveAll({L"C:\\b 2", L"C:\\b 1"});
  Arrive(kT0, L"C:\\a", L"C:\\a", true);
  Selection decoded(Entry::kDetails);
  ASSERT_TRUE(Selection::Decode(selection.Encode(), &decoded));
  EXPECT_EQ(Entry::kLongPath, decoded.entry());
  EXPECT_EQ(selection.Text(names), decoded.Text(names));
  EXPECT_EQ(Joined::kAdded, decoded.Add(StartedItem{kT0 + kSecond, {L"C:\\b 3", L"C:\\b 3"}}));
  EXPECT_EQ(L"C:\\a\r\nC:\\b 1\r\nC:\\b 2\r\nC:\\b 3", decoded.Text(names));

  // Each but the first two is well-formed but for one field.
  for (const wchar_t* wrong : {L"", L"1", L"9/k|t|0|0", L"x/k|t|0|0", L"1/kt|0|0", L"1/k|t|0|x",
                               L"1/k||0|0", L"1/k|t|2|0", L"1/k|t|0"}) {
    EXPECT_FALSE(Selection::Decode(R(wrong), &decoded)) << ::testing::PrintToString(R(wrong));
  }
}

}  // namespace
}  // namespace companion
