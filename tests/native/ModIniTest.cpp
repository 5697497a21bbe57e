#include <gtest/gtest.h>

#include "platform/Utf16Le.h"
#include "platform/fake/FakeSystem.h"
#include "platform/fake/FakeText.h"
#include "support/Mod_ini.h"

namespace {

struct IniFixture : fake::FakeSystem {
  explicit IniFixture(std::wstring dir = L"C:\\App", std::wstring base = L"Install")
      : FakeSystem(fake::FakeRegistry::DeleteBehaviour::RefusesSubKeys, std::move(dir),
                   std::move(base)) {}

  std::wstring Title(const std::string& ini, const wchar_t* section = L"Menu1") {
    profile.SetFile("C:\\App\\Install.ini", ini);
    return Mod_ini::GetIniString(sys, L"C:\\App\\Install.ini", section, L"Title", L"");
  }
};

TEST(IniFilePath, IsTheProgramsBaseNameBesideIt) {
  EXPECT_EQ(Mod_ini::IniFilePath(IniFixture(L"C:\\Tools").sys), L"C:\\Tools\\Install.ini");
  EXPECT_EQ(Mod_ini::IniFilePath(IniFixture(L"D:\\").sys), L"D:\\Install.ini");
  EXPECT_EQ(Mod_ini::IniFilePath(IniFixture(L"C:\\Tools", L"Setup2").sys),
            L"C:\\Tools\\Setup2.ini");
}

TEST(GetIniString, ReadsTitlesAndFallsBackToTheDefault) {
  IniFixture f;
  EXPECT_EQ(f.Title("[Menu1]\r\nTitle=パスをコピー\r\n"), L"パスをコピー");
  EXPECT_EQ(f.Title("[Menu1]\r\nTitle=\r\n"), L"");
  EXPECT_EQ(f.Title("[Menu2]\r\nTitle=x\r\n"), L"");
  EXPECT_EQ(f.Title("[Menu1]\r\nTitle=x\r\n", L"Menu12"), L"");
  EXPECT_EQ(Mod_ini::GetIniString(f.sys, L"C:\\Nowhere.ini", L"Menu1", L"Title", L"既定"), L"既定");
}

// The cut is counted in the system's code page (here UTF-8: a kanji takes three bytes), whatever
// the file's own encoding, and never leaves part of a character.
TEST(GetIniString, CutsValuesToTheirLongestStartOfAtMost127Bytes) {
  IniFixture f;
  const struct {
    std::wstring value;
    std::wstring title;
  } cases[] = {
      {std::wstring(127, L'a'), std::wstring(127, L'a')},
      {std::wstring(127, L'a') + L"bc", std::wstring(127, L'a')},
      {L"a" + std::wstring(42, L'字'), L"a" + std::wstring(42, L'字')},
      {std::wstring(43, L'字'), std::wstring(42, L'字')},
  };
  for (const auto& c : cases) {
    const std::wstring ini = L"[Menu1]\r\nTitle=" + c.value + L"\r\n";
    EXPECT_EQ(f.Title(fake::Utf8(ini)), c.title) << "8-bit, " << c.value.size();
    const std::vector<std::uint8_t> utf16 = platform::Utf16LeBytes(L"\xFEFF" + ini);
    EXPECT_EQ(f.Title(std::string(utf16.begin(), utf16.end())), c.title)
        << "UTF-16, " << c.value.size();
  }
}

}  // namespace
