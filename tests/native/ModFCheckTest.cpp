#include <gtest/gtest.h>

#include "platform/fake/FakeSystem.h"
#include "support/ModFCheck.h"

namespace {

TEST(FileExists, IsTrueForExistingFilesAndDirectories) {
  fake::FakeSystem platform;
  platform::System& sys = platform.sys;
  fake::FakeFileSystem& files = platform.files;
  files.AddFile("C:\\App\\Vantrel.Dll");
  files.AddDirectory("C:\\App\\フォルダ");

  EXPECT_TRUE(ModFCheck::FileExists(sys, L"C:\\App\\Vantrel.Dll"));
  EXPECT_TRUE(ModFCheck::FileExists(sys, L"C:\\App\\フォルダ"));
  EXPECT_FALSE(ModFCheck::FileExists(sys, L"C:\\App\\Install.ini"));
  EXPECT_FALSE(ModFCheck::FileExists(sys, L""));
}

}  // namespace
