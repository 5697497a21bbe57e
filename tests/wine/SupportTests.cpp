// The support units against Wine's real registry, profile reader and file check.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/Win32System.h"
#include "support/ModFCheck.h"
#include "support/ModReg.h"
#include "support/Mod_ini.h"

namespace {

const wchar_t kTestRoot[] = L"VantrelSupportTest";

std::wstring TempDir() {
  wchar_t buffer[MAX_PATH];
  const DWORD length = GetTempPathW(MAX_PATH, buffer);
  return std::wstring(buffer, length);
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_EQ(written, bytes.size());
}

// Code page 932 bytes of a Unicode text.
std::string Cp932(const std::wstring& text) {
  const int size = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                       0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  return bytes;
}

std::wstring ReadDefault(const std::wstring& key) {
  wchar_t buffer[512] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer,
                   &size) != ERROR_SUCCESS)
    return L"<missing>";
  return buffer;
}

class SupportUnits : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetACP(), 932u) << "run with LANG=ja_JP.UTF-8";
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kTestRoot);
  }
  void TearDown() override { RegDeleteTreeW(HKEY_CLASSES_ROOT, kTestRoot); }

  win32::Win32System platform;
  platform::System& sys = platform.get();
};

TEST_F(SupportUnits, RegistryWriteProbeAndDeleteRoundTrip) {
  const std::wstring verb = std::wstring(kTestRoot) + L"\\shell\\Vantrel1";
  EXPECT_FALSE(ModReg::KeyExists(sys, ModReg::kClassesRoot, verb));
  EXPECT_TRUE(ModReg::KeyAbsent(sys, ModReg::kClassesRoot, verb));

  ASSERT_TRUE(ModReg::SetKeyValue(sys, ModReg::kClassesRoot, verb, L"", L"パス名をコピー"));
  // é, Hangul and ¥ lie outside code page 932: they are stored as they are.
  const std::wstring command = L"\"C:\\テスト 用\\José 한글 a¥b\\Vantrel.Dll\" 1 \"%1\"";
  ASSERT_TRUE(ModReg::SetKeyValue(sys, ModReg::kClassesRoot, verb + L"\\command", L"", command));
  EXPECT_TRUE(ModReg::KeyExists(sys, ModReg::kClassesRoot, verb));
  EXPECT_EQ(ReadDefault(verb), L"パス名をコピー");
  EXPECT_EQ(ReadDefault(verb + L"\\command"), command);

  // The registry here refuses to delete a key that still has sub-keys.
  EXPECT_FALSE(ModReg::DeleteKey(sys, ModReg::kClassesRoot, verb));
  EXPECT_TRUE(ModReg::KeyExists(sys, ModReg::kClassesRoot, verb));
  EXPECT_TRUE(ModReg::DeleteKey(sys, ModReg::kClassesRoot, verb + L"\\command"));
  EXPECT_TRUE(ModReg::DeleteKey(sys, ModReg::kClassesRoot, verb));
  EXPECT_FALSE(ModReg::KeyExists(sys, ModReg::kClassesRoot, verb));
  EXPECT_FALSE(ModReg::DeleteKey(sys, ModReg::kClassesRoot, verb)) << "a missing key";
}

TEST_F(SupportUnits, ValuesOfEveryKindLandWithTheirTypes) {
  const std::wstring key = std::wstring(kTestRoot) + L"\\Values";
  ASSERT_TRUE(ModReg::SetKeyValue(sys, ModReg::kClassesRoot, key, L"empty", L""));
  ASSERT_TRUE(ModReg::SetKeyValue(sys, ModReg::kClassesRoot, key, L"yes", true));
  ASSERT_TRUE(ModReg::SetKeyValue(sys, ModReg::kClassesRoot, key, L"bytes",
                                  std::vector<std::uint8_t>{1, 2, 3}));
  DWORD type = 0, size = 0;
  DWORD number = 0;
  ASSERT_EQ(
      RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), L"empty", RRF_RT_ANY, &type, nullptr, &size),
      ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, sizeof(wchar_t)) << "the text's terminator alone";
  size = sizeof number;
  ASSERT_EQ(
      RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), L"yes", RRF_RT_REG_DWORD, &type, &number, &size),
      ERROR_SUCCESS);
  EXPECT_EQ(number, 0xFFFFFFFFu);
  unsigned char bytes[8] = {};
  size = sizeof bytes;
  ASSERT_EQ(RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), L"bytes", RRF_RT_REG_BINARY, &type, bytes,
                         &size),
            ERROR_SUCCESS);
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(bytes[2], 3);
}

TEST_F(SupportUnits, ProfileReaderCutsAt127BytesAndDefaultsWhenMissing) {
  const std::wstring ini = TempDir() + L"設定 テスト.ini";
  const std::string long128(128, 'x');
  WriteBytes(ini, "[Menu1]\r\nTitle=" + Cp932(L"詳細情報をコピー") + "\r\n[Menu2]\r\nTitle=\r\n" +
                      "[Menu3]\r\nTitle=" + long128.substr(0, 127) +
                      "\r\n[Menu4]\r\nTitle=" + long128 + "\r\n");
  EXPECT_EQ(Mod_ini::GetIniString(sys, ini, L"Menu1", L"Title", L""), L"詳細情報をコピー");
  EXPECT_EQ(Mod_ini::GetIniString(sys, ini, L"Menu2", L"Title", L"default"), L"");
  EXPECT_EQ(Mod_ini::GetIniString(sys, ini, L"Menu3", L"Title", L""), std::wstring(127, L'x'));
  EXPECT_EQ(Mod_ini::GetIniString(sys, ini, L"Menu4", L"Title", L""), std::wstring(127, L'x'));
  EXPECT_EQ(Mod_ini::GetIniString(sys, ini, L"Menu5", L"Title", L"既定"), L"既定");
  EXPECT_EQ(Mod_ini::GetIniString(sys, TempDir() + L"missing.ini", L"Menu1", L"Title", L""), L"");
  DeleteFileW(ini.c_str());
}

// The cut counts bytes of code page 932, where a kanji takes two and a half-width katakana one,
// and never leaves half a character.
TEST_F(SupportUnits, An8BitFileIsCutToTheLongestStartOfAtMost127Bytes) {
  const std::wstring kanji63(63, L'字');
  const struct {
    std::wstring value;
    std::wstring title;
  } cases[] = {
      {L"x" + kanji63, L"x" + kanji63},
      {kanji63 + L"字", kanji63},
      {L"x" + kanji63 + L"字", L"x" + kanji63},
      {std::wstring(130, L'ｱ'), std::wstring(127, L'ｱ')},
  };
  const std::wstring ini = TempDir() + L"切り詰め テスト.ini";
  for (const auto& c : cases) {
    WriteBytes(ini, "[Menu1]\r\nTitle=" + Cp932(c.value) + "\r\n");
    EXPECT_EQ(Mod_ini::GetIniString(sys, ini, L"Menu1", L"Title", L""), c.title)
        << Cp932(c.value).size() << " bytes";
  }
  DeleteFileW(ini.c_str());
}

TEST_F(SupportUnits, TheSettingsFileIsNamedAfterThisProgram) {
  const std::wstring path = Mod_ini::IniFilePath(sys);
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring expected(exe);
  expected.replace(expected.rfind(L'.'), std::wstring::npos, L".ini");
  EXPECT_EQ(path, expected);
}

// Names outside code page 932, and beside the folder the decoy that a best-fit conversion
// would name ("¥" as a backslash), holding the file that is missing from the folder itself.
TEST_F(SupportUnits, FileExistsForFilesAndDirectoriesButNotMissingPaths) {
  const std::wstring decoy = TempDir() + L"a";
  CreateDirectoryW(decoy.c_str(), nullptr);
  CreateDirectoryW((decoy + L"\\b").c_str(), nullptr);
  WriteBytes(decoy + L"\\b\\Install.ini", "");
  const std::wstring dir = TempDir() + L"a¥b";
  CreateDirectoryW(dir.c_str(), nullptr);
  const std::wstring file = dir + L"\\José 한글.Dll";
  WriteBytes(file, "MZ");
  EXPECT_TRUE(ModFCheck::FileExists(sys, file));
  EXPECT_TRUE(ModFCheck::FileExists(sys, dir));
  EXPECT_FALSE(ModFCheck::FileExists(sys, dir + L"\\Install.ini"));
  DeleteFileW(file.c_str());
  RemoveDirectoryW(dir.c_str());
  DeleteFileW((decoy + L"\\b\\Install.ini").c_str());
  RemoveDirectoryW((decoy + L"\\b").c_str());
  RemoveDirectoryW(decoy.c_str());
}

}  // namespace
