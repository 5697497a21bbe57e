#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeItemQueries.h"
#include "companion/LogicalOrder.h"
#include "companion/Selection.h"

namespace companion {
namespace {

constexpr std::uint64_t kSecond = 1000 * kTicksPerMillisecond;
constexpr std::uint64_t kT0 = 133000000000000000ull;  // Some moment in 2022.

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
  // Items arrive as one-item selections, the way the starts hand them over.
  void Arrive(std::uint64_t at, const std::wstring& key, const std::wstring& text,
              bool folder = false) {
    selection.Join(Selection(selection.entry(), at, SelectionItem{key, text, folder}));
  }
  void ArriveAll(const std::vector<std::wstring>& paths) {
    std::uint64_t at = kT0;
    for (const std::wstring& path : paths) Arrive(at += 30 * kTicksPerMillisecond, path, path);
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
  auto carriedOn = [&](std::uint64_t at, Entry entry = Entry::kLongPath) {
    Selection late(entry, at, SelectionItem{L"c", L"c"});
    late.Join(selection);
    return late.Text(names);
  };
  EXPECT_EQ(L"a\r\nb\r\nc", carriedOn(kT0 + kSecond * 18 / 10));  // Near the latest start.
  EXPECT_EQ(L"a\r\nb\r\nc", carriedOn(kT0 + kSecond / 2));
  EXPECT_EQ(L"a\r\nb\r\nc", carriedOn(kT0 - kSecond / 2));
  EXPECT_EQ(L"c", carriedOn(kT0 + 2 * kSecond));       // The next use.
  EXPECT_EQ(L"a\r\nb", carriedOn(kT0 - 5 * kSecond));  // Too late for an earlier use.
  EXPECT_EQ(L"c", carriedOn(kT0, Entry::kShortPath));  // Another command.
}

// The items of one use make one text whatever order they arrive in: c, started 1.2 s after a,
// looks like a new use until b, started between them, arrives. Of two uses of fifteen items
// the latest fifteen are kept, as a record a later start can read.
TEST_F(SelectionTest, OneUseWhateverTheOrderOfArrivalAndTheLatestFifteenKept) {
  Arrive(kT0, L"a", L"a");
  Arrive(kT0 + kSecond * 12 / 10, L"c", L"c");
  EXPECT_EQ(L"c", selection.Text(names));
  Arrive(kT0 + kSecond * 6 / 10, L"b", L"b");
  EXPECT_EQ(L"a\r\nb\r\nc", selection.Text(names));

  for (int i = 0; i < 30; ++i) {
    const std::wstring name = std::to_wstring(100 + i);
    Arrive(kT0 + (i < 15 ? 2 : 5) * kSecond + static_cast<std::uint64_t>(i), name, name);
  }
  Selection decoded(Entry::kLongPath);
  ASSERT_TRUE(Selection::Decode(selection.Encode(), kT0 + 5 * kSecond, &decoded));
  EXPECT_EQ(decoded.Text(names), selection.Text(names));
  EXPECT_EQ(0u, selection.Text(names).find(L"115\r\n"));
  EXPECT_EQ(L"129", selection.Text(names).substr(selection.Text(names).size() - 3));
}

// A record as written here, with '|' between fields and '/' between items.
std::wstring R(std::wstring text) {
  for (wchar_t& c : text) c = c == L'|' ? L'\x1F' : c == L'/' ? L'\x1E' : c;
  return text;
}

// Item "c", started at `at`, reaches a gatherer that holds a record, or comes after it and finds
// the record on the clipboard: the later use wins, and a record no use leaves counts as none.
TEST_F(SelectionTest, AGathererTakesOnlyItsOwnUseAndAnUntrustedRecordCountsAsNone) {
  Arrive(kT0 + kSecond * 9 / 10, L"b", L"b");
  Arrive(kT0, L"a", L"a");
  const std::wstring ab = selection.Encode(), t0 = std::to_wstring(kT0);
  std::wstring sixteen = R(L"1");
  for (int i = 0; i < 16; ++i) sixteen += R(L"/k" + std::to_wstring(i) + L"|t|0|" + t0);
  const std::uint64_t now = kT0 + 20 * kSecond, past = kT0 - 3600 * kSecond;
  const struct {
    const char* what;
    std::wstring record;
    std::uint64_t at, now;
    std::wstring text;
  } rows[] = {
      {"the same use", ab, kT0 + kSecond, now, L"a\r\nb\r\nc"},
      {"the next use", ab, kT0 + 2 * kSecond, now, L"c"},
      {"a clock set back since", ab, past, past, L"c"},
      {"16 items", sixteen, kT0, now, L"c"},
      {"over 15 s", R(L"1/k|t|0|" + t0 + L"/j|t|0|" + std::to_wstring(kT0 + 15 * kSecond + 1)), kT0,
       now, L"c"},
      {"past 64 bits", R(L"1/k|k|0|18579744073709551616"), kT0, now, L"c"},
  };
  for (const auto& row : rows) {
    const Selection item(Entry::kLongPath, row.at, SelectionItem{L"c", L"c"});
    Selection record(Entry::kLongPath);
    static_cast<void>(Selection::Decode(row.record, row.now, &record));  // Ignored: none.
    Selection gatherer = record;
    gatherer.Join(item);
    EXPECT_EQ(row.text, gatherer.Text(names)) << row.what << ", in the gatherer";
    Selection late = item;
    late.Join(record);
    EXPECT_EQ(row.text, late.Text(names)) << row.what << ", after the gatherer";
  }
}

TEST_F(SelectionTest, TheRecordGivesTheSameSelectionBackAndRefusesOtherText) {
  ArriveAll({L"C:\\b 2", L"C:\\b 1"});
  Arrive(kT0, L"C:\\a", L"C:\\a", true);
  Selection decoded(Entry::kDetails);
  ASSERT_TRUE(Selection::Decode(selection.Encode(), kT0, &decoded));
  EXPECT_EQ(Entry::kLongPath, decoded.entry());
  EXPECT_EQ(selection.Text(names), decoded.Text(names));
  Arrive(kT0 + kSecond, L"C:\\b 3", L"C:\\b 3");
  EXPECT_TRUE(decoded.Join(selection));
  EXPECT_EQ(L"C:\\a\r\nC:\\b 1\r\nC:\\b 2\r\nC:\\b 3", decoded.Text(names));

  // Each but the first two is well-formed but for one field.
  for (const wchar_t* wrong : {L"", L"1", L"9/k|t|0|0", L"x/k|t|0|0", L"1/kt|0|0", L"1/k|t|0|x",
                               L"1/k||0|0", L"1/k|t|2|0", L"1/k|t|0"}) {
    EXPECT_FALSE(Selection::Decode(R(wrong), kT0, &decoded)) << ::testing::PrintToString(R(wrong));
  }
}

}  // namespace
}  // namespace companion
