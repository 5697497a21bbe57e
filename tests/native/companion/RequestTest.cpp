#include <gtest/gtest.h>

#include "companion/Request.h"

namespace companion {
namespace {

using Words = std::vector<std::wstring>;

TEST(SplitCommandLine, TakesTheVerbsCommandApart) {
  EXPECT_EQ(
      (Words{L"C:\\Program Files\\Vantrel\\Vantrel.Dll", L"2", L"C:\\My Data\\報告.txt"}),
      SplitCommandLine(L"\"C:\\Program Files\\Vantrel\\Vantrel.Dll\" 2 \"C:\\My Data\\報告.txt\""));
}

TEST(SplitCommandLine, ABackslashBeforeTheClosingQuoteStaysABackslash) {
  EXPECT_EQ((Words{L"Vantrel.Dll", L"1", L"C:\\"}), SplitCommandLine(L"Vantrel.Dll 1 \"C:\\\""));
  EXPECT_EQ((Words{L"V.Dll", L"1", L"\\\\server\\share\\"}),
            SplitCommandLine(L"V.Dll 1 \"\\\\server\\share\\\""));
}

TEST(SplitCommandLine, RunsOfBlanksSeparateOnceAndEmptyQuotesAreAWord) {
  EXPECT_EQ((Words{L"V.Dll", L"1", L""}), SplitCommandLine(L"  V.Dll \t 1   \"\"  "));
  EXPECT_EQ((Words{}), SplitCommandLine(L""));
}

TEST(SplitCommandLine, QuotesMayOpenInsideAWord) {
  EXPECT_EQ((Words{L"V.Dll", L"C:\\a b\\c"}), SplitCommandLine(L"V.Dll C:\\\"a b\"\\c"));
}

TEST(ParseRequest, ReadsTheEntryAndThePath) {
  Request request = ParseRequest(Words{L"V.Dll", L"4", L"C:\\x"});
  EXPECT_EQ(Problem::kNone, request.problem);
  EXPECT_EQ(Entry::kShortLocation, request.entry);
  EXPECT_EQ(L"C:\\x", request.path);
}

TEST(ParseRequest, EveryNumberFromOneToFiveIsAnEntry) {
  const Entry expected[] = {Entry::kLongPath, Entry::kLongLocation, Entry::kShortPath,
                            Entry::kShortLocation, Entry::kDetails};
  for (int n = 1; n <= 5; ++n) {
    Request request = ParseRequest(Words{L"V.Dll", std::to_wstring(n), L"C:\\x"});
    EXPECT_EQ(Problem::kNone, request.problem) << n;
    EXPECT_EQ(expected[n - 1], request.entry) << n;
  }
}

TEST(ParseRequest, AnUnquotedProgramPathWithBlanksStillWorks) {
  Request request = ParseRequest(SplitCommandLine(L"C:\\My Tools\\Vantrel.Dll 2 \"C:\\a b\""));
  EXPECT_EQ(Problem::kNone, request.problem);
  EXPECT_EQ(Entry::kLongLocation, request.entry);
  EXPECT_EQ(L"C:\\a b", request.path);
}

TEST(ParseRequestErrors, NoArgumentsIsAMissingEntry) {
  EXPECT_EQ(Problem::kMissingEntry, ParseRequest(Words{L"V.Dll"}).problem);
  EXPECT_EQ(Problem::kMissingEntry, ParseRequest(Words{}).problem);
  EXPECT_EQ(Problem::kMissingEntry, ParseRequest(Words{L"V.Dll", L"", L"C:\\x"}).problem);
}

TEST(ParseRequestErrors, NumbersOutsideOneToFiveAreUnknownAndNamed) {
  for (const wchar_t* entry : {L"0", L"6", L"12", L"01", L"x", L"-1", L"１"}) {
    Request request = ParseRequest(Words{L"V.Dll", entry, L"C:\\x"});
    EXPECT_EQ(Problem::kUnknownEntry, request.problem) << entry;
    EXPECT_EQ(entry, request.detail);
  }
}

TEST(ParseRequestErrors, AnEntryWithoutAPathIsAMissingPath) {
  EXPECT_EQ(Problem::kMissingPath, ParseRequest(Words{L"V.Dll", L"3"}).problem);
  EXPECT_EQ(Problem::kMissingPath, ParseRequest(Words{L"V.Dll", L"3", L""}).problem);
}

TEST(ParseRequestErrors, APathWithoutAnEntryIsAnUnknownEntry) {
  Request request = ParseRequest(Words{L"V.Dll", L"C:\\x"});
  EXPECT_EQ(Problem::kUnknownEntry, request.problem);
  EXPECT_EQ(L"C:\\x", request.detail);
}

}  // namespace
}  // namespace companion
