#include <gtest/gtest.h>

#include "dialog/Escapes.h"
#include "dialog/Texts.h"

namespace {

TEST(ExpandEscapes, ExpandsTheFiveSequences) {
  EXPECT_EQ(ExpandEscapes(L"a\\nb"), L"a\r\nb");
  EXPECT_EQ(ExpandEscapes(L"\\wq\\w"), L"\"q\"");
  EXPECT_EQ(ExpandEscapes(L"x\\ty"), L"x\ty");
  EXPECT_EQ(ExpandEscapes(L"\\s"), L" ");
  EXPECT_EQ(ExpandEscapes(L"a\\\\b"), L"a\\b");
}

TEST(ExpandEscapes, AnEscapedBackslashIsNotTheStartOfAnotherSequence) {
  EXPECT_EQ(ExpandEscapes(L"C:\\\\new"), L"C:\\new");
  EXPECT_EQ(ExpandEscapes(L"\\\\\\n"), L"\\\r\n");
}

TEST(ExpandEscapes, KeepsUnknownSequencesAndTurnsNulIntoABackslash) {
  EXPECT_EQ(ExpandEscapes(L"\\q\\N\\S"), L"\\q\\N\\S");
  EXPECT_EQ(ExpandEscapes(L"end\\"), L"end\\");
  EXPECT_EQ(ExpandEscapes(std::wstring(L"a\0b", 3)), L"a\\b");
}

TEST(ExpandEscapes, HintOfTheLastRowKeepsItsLeadingSpace) {
  EXPECT_EQ(ExpandEscapes(texts::kHints[4]),
            L"ファイルの詳細情報をクリップボードに\r\nコピーします。\r\n おまけみたいなものです");
}

TEST(AddBackslash, AppendsOnlyWhenMissing) {
  EXPECT_EQ(AddBackslash(L""), L"\\");
  EXPECT_EQ(AddBackslash(L"C:\\Tools"), L"C:\\Tools\\");
  EXPECT_EQ(AddBackslash(L"C:\\"), L"C:\\");
}

}  // namespace
