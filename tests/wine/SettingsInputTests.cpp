// Settings files as users may really leave them, read through the real profile reader.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/Win32System.h"
#include "support/Mod_ini.h"

namespace {

class SettingsInput : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    path_ = std::wstring(temp, GetTempPathW(MAX_PATH, temp)) + L"入力 テスト.ini";
  }
  void TearDown() override { DeleteFileW(path_.c_str()); }

  void Write(const std::string& bytes) {
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
  void WriteUtf16(const std::wstring& text) {
    Write(std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)));
  }
  std::wstring Title(const wchar_t* section = L"Menu1") {
    return Mod_ini::GetIniString(platform_.get(), path_, section, L"Title", L"");
  }

  std::wstring path_;
  win32::Win32System platform_;
};

TEST_F(SettingsInput, EmptyOrMissingSectionsGiveEmptyTitles) {
  Write("");
  EXPECT_EQ(Title(), L"");
  Write("[Menu2]\r\nTitle=two\r\n");
  EXPECT_EQ(Title(L"Menu1"), L"");
  EXPECT_EQ(Title(L"Menu2"), L"two");
}

TEST_F(SettingsInput, BinaryJunkGivesEmptyTitlesWithoutHarm) {
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 37 + 11) & 0xFF);
  Write(junk);
  for (const wchar_t* section : {L"Menu1", L"Menu2", L"Menu3", L"Menu4", L"Menu5"})
    EXPECT_EQ(Title(section), L"");
}

TEST_F(SettingsInput, AVeryLongLineIsCutAndTheNextSectionStillReads) {
  Write("[Menu1]\r\nTitle=" + std::string(65536, 'y') + "\r\n[Menu2]\r\nTitle=ok\r\n");
  EXPECT_EQ(Title(L"Menu1"), std::wstring(127, L'y'));
  EXPECT_EQ(Title(L"Menu2"), L"ok");
}

TEST_F(SettingsInput, UnicodeFilesWithAByteOrderMarkAreRead) {
  Write("\xEF\xBB\xBF[Menu1]\r\nTitle=\xE8\xA9\xB3\xE7\xB4\xB0\r\n");  // UTF-8
  EXPECT_EQ(Title(), L"詳細");
  WriteUtf16(L"\xFEFF[Menu1]\r\nTitle=詳細情報\r\n");  // UTF-16LE
  EXPECT_EQ(Title(), L"詳細情報");
}

TEST_F(SettingsInput, SpecialCharactersPassThroughAndOuterQuotesGo) {
  Write("[Menu1]\r\nTitle=A&B \"q\" 100% \tx\r\n[Menu2]\r\nTitle=\"quoted\"\r\n");
  EXPECT_EQ(Title(L"Menu1"), L"A&B \"q\" 100% \tx");
  EXPECT_EQ(Title(L"Menu2"), L"quoted");
}

TEST_F(SettingsInput, CharactersOutsideTheCodePageArriveIntact) {
  WriteUtf16(L"\xFEFF[Menu1]\r\nTitle=詳細 José 한글 ¥\r\n");
  EXPECT_EQ(Title(), L"詳細 José 한글 ¥");
}

}  // namespace
