#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeRegistry.h"
#include "support/ModFCheck.h"

namespace {

TEST(FileExists, IsTrueForExistingFilesAndDirectoriesGivenInTheCodePage) {
  fake::FakeRegistry registry;
  fake::FakeProfile profile;
  fake::FakeFileSystem files;
  fake::FakeCodePage codepage;
  fake::FakeApplication app{L"C:\\App", L"Install"};
  platform::System sys{registry, profile, files, codepage, app};
  files.AddFile("C:\\App\\Vantrel.Dll");
  files.AddDirectory("C:\\App\\フォルダ");

  EXPECT_TRUE(ModFCheck::FileExists(sys, L"C:\\App\\Vantrel.Dll"));
  EXPECT_TRUE(ModFCheck::FileExists(sys, L"C:\\App\\フォルダ"));
  EXPECT_FALSE(ModFCheck::FileExists(sys, L"C:\\App\\Install.ini"));
  EXPECT_FALSE(ModFCheck::FileExists(sys, L""));
}

}  // namespace
