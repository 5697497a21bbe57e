#include <gtest/gtest.h>

#include "platform/fake/FakeSystem.h"
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

TEST(GetIniString, CutsValuesTo127Bytes) {
  IniFixture f;
  const std::string exact(127, 'a');
  EXPECT_EQ(f.Title("[Menu1]\r\nTitle=" + exact + "\r\n"), std::wstring(127, L'a'));
  EXPECT_EQ(f.Title("[Menu1]\r\nTitle=" + exact + "bc\r\n"), std::wstring(127, L'a'));
  // 42 three-byte characters fill 126 bytes; the 43rd is cut after its first byte.
  std::string japanese;
  for (int i = 0; i < 43; ++i) japanese += "字";
  const std::wstring read = f.Title("[Menu1]\r\nTitle=" + japanese + "\r\n");
  EXPECT_EQ(read.substr(0, 42), std::wstring(42, L'字'));
  EXPECT_LE(read.size(), 43u);
}

}  // namespace
