#include <gtest/gtest.h>

#include "companion/Details.h"

namespace companion {
namespace {

LocalTime At(int year, int month, int day, int hour, int minute, int second) {
  LocalTime time;
  time.known = true;
  time.year = year;
  time.month = month;
  time.day = day;
  time.hour = hour;
  time.minute = minute;
  time.second = second;
  return time;
}

TEST(DetailsSize, GroupsThousands) {
  EXPECT_EQ(L"0", FormatByteCount(0));
  EXPECT_EQ(L"999", FormatByteCount(999));
  EXPECT_EQ(L"1,000", FormatByteCount(1000));
  EXPECT_EQ(L"123,456", FormatByteCount(123456));
  EXPECT_EQ(L"1,234,567", FormatByteCount(1234567));
  EXPECT_EQ(L"18,446,744,073,709,551,615", FormatByteCount(18446744073709551615ull));
}

TEST(DetailsTime, PadsEveryField) {
  EXPECT_EQ(L"2026/12/07 13:45:10", FormatLocalTime(At(2026, 12, 7, 13, 45, 10)));
  EXPECT_EQ(L"1999/01/02 03:04:05", FormatLocalTime(At(1999, 1, 2, 3, 4, 5)));
  EXPECT_EQ(L"0980/01/01 00:00:00", FormatLocalTime(At(980, 1, 1, 0, 0, 0)));
}

TEST(DetailsTime, AnUnknownTimeSaysSo) {
  EXPECT_EQ(L"不明", FormatLocalTime(LocalTime()));
}

TEST(DetailsAttributes, NamesEachSetBitInAFixedOrder) {
  EXPECT_EQ(L"読み取り専用, 隠し, システム, アーカイブ",
            FormatAttributes(attribute::kArchive | attribute::kSystem | attribute::kHidden |
                             attribute::kReadOnly));
  EXPECT_EQ(L"圧縮, 暗号化", FormatAttributes(attribute::kEncrypted | attribute::kCompressed));
  EXPECT_EQ(L"インデックスなし", FormatAttributes(attribute::kNotContentIndexed));
}

TEST(DetailsAttributes, DirectoryAndNormalAloneAreNone) {
  EXPECT_EQ(L"なし", FormatAttributes(0));
  EXPECT_EQ(L"なし", FormatAttributes(attribute::kNormal));
  EXPECT_EQ(L"なし", FormatAttributes(attribute::kDirectory));
  EXPECT_EQ(L"隠し", FormatAttributes(attribute::kDirectory | attribute::kHidden));
}

TEST(DetailsText, AFileHasEveryLineInOrderJoinedWithCrLf) {
  ItemFacts facts;
  facts.kind = ItemKind::File;
  facts.size = 1234567;
  facts.created = At(2025, 1, 2, 3, 4, 5);
  facts.modified = At(2026, 12, 7, 13, 45, 10);
  facts.accessed = At(2026, 12, 8, 0, 0, 59);
  facts.attributes = attribute::kReadOnly | attribute::kArchive;
  EXPECT_EQ(
      L"名前: 報告 書.txt\r\n"
      L"フルパス: C:\\資料\\報告 書.txt\r\n"
      L"種類: ファイル\r\n"
      L"サイズ: 1,234,567 バイト\r\n"
      L"作成日時: 2025/01/02 03:04:05\r\n"
      L"更新日時: 2026/12/07 13:45:10\r\n"
      L"アクセス日時: 2026/12/08 00:00:59\r\n"
      L"属性: 読み取り専用, アーカイブ",
      FormatDetails(L"C:\\資料\\報告 書.txt", facts));
}

TEST(DetailsText, AFolderHasNoSizeLine) {
  ItemFacts facts;
  facts.kind = ItemKind::Folder;
  facts.size = 4096;  // What some file systems report for a directory; never shown.
  facts.modified = At(2026, 12, 7, 13, 45, 10);
  facts.attributes = attribute::kDirectory;
  EXPECT_EQ(
      L"名前: 資料\r\n"
      L"フルパス: \\\\server\\share\\資料\r\n"
      L"種類: フォルダ\r\n"
      L"作成日時: 不明\r\n"
      L"更新日時: 2026/12/07 13:45:10\r\n"
      L"アクセス日時: 不明\r\n"
      L"属性: なし",
      FormatDetails(L"\\\\server\\share\\資料", facts));
}

TEST(DetailsText, AnEmptyFileShowsZeroBytes) {
  ItemFacts facts;
  facts.kind = ItemKind::File;
  std::wstring text = FormatDetails(L"C:\\empty", facts);
  EXPECT_NE(std::wstring::npos, text.find(L"\r\nサイズ: 0 バイト\r\n")) << text.c_str();
}

}  // namespace
}  // namespace companion
