#include <gtest/gtest.h>

#include "platform/fake/FakeSystem.h"
#include "support/ModReg.h"

namespace {

using fake::FakeRegistry;
using Lines = std::vector<std::string>;

class ModRegTest : public ::testing::Test, protected fake::FakeSystem {
 protected:
  void TearDown() override {
    EXPECT_EQ(registry.OpenHandles(), 0) << "a key was left open";
    EXPECT_EQ(registry.faults(), Lines{});
  }
};

TEST_F(ModRegTest, KeyExistsOpensWithFullAccessAndClosesWhatItOpened) {
  registry.AddKey("*\\shell\\Vantrel1");
  EXPECT_TRUE(ModReg::KeyExists(sys, ModReg::kClassesRoot, L"*\\shell\\Vantrel1"));
  EXPECT_EQ(registry.calls(), (Lines{"open \"*\\shell\\Vantrel1\" options=0 access=0xF013F -> 0",
                                     "close \"*\\shell\\Vantrel1\" -> 0"}));
}

TEST_F(ModRegTest, KeyExistsIsFalseForMissingOrInaccessibleKeys) {
  EXPECT_FALSE(ModReg::KeyExists(sys, ModReg::kClassesRoot, L"Folder\\shell\\Vantrel2"));
  registry.DenyFullAccess("Folder\\shell\\Vantrel3");
  EXPECT_FALSE(ModReg::KeyExists(sys, ModReg::kClassesRoot, L"Folder\\shell\\Vantrel3"));
  // Nothing was opened, so nothing is closed.
  for (const auto& line : registry.calls()) EXPECT_EQ(line.rfind("close", 0), std::string::npos);
}

TEST_F(ModRegTest, KeyExistsIgnoresAFailedClose) {
  registry.AddKey("*\\shell\\Vantrel1");
  registry.FailOn(FakeRegistry::Op::Close, "*\\shell\\Vantrel1");
  EXPECT_TRUE(ModReg::KeyExists(sys, ModReg::kClassesRoot, L"*\\shell\\Vantrel1"));
}

TEST_F(ModRegTest, KeyAbsentOnlyWhenTheKeyIsReallyMissing) {
  EXPECT_TRUE(ModReg::KeyAbsent(sys, ModReg::kClassesRoot, L"*\\shell\\Vantrel1"));
  registry.AddKey("*\\shell\\Vantrel1");
  EXPECT_FALSE(ModReg::KeyAbsent(sys, ModReg::kClassesRoot, L"*\\shell\\Vantrel1"));
  // A key that exists but refuses full access has not gone away.
  registry.DenyFullAccess("*\\shell\\Vantrel2");
  EXPECT_FALSE(ModReg::KeyAbsent(sys, ModReg::kClassesRoot, L"*\\shell\\Vantrel2"));
}

TEST_F(ModRegTest, SetKeyValueWritesTextWithItsTerminatorIntoANonVolatileKey) {
  EXPECT_TRUE(ModReg::SetKeyValue(sys, ModReg::kClassesRoot, L"*\\shell\\Vantrel1", L"", L"パス"));
  EXPECT_EQ(
      registry.calls(),
      (Lines{"create \"*\\shell\\Vantrel1\" reserved=0 class=\"\" options=0 access=0xF013F -> 0",
             "set \"*\\shell\\Vantrel1\" name=\"\" reserved=0 type=1 size=6 data=\"パス\" -> 0",
             "close \"*\\shell\\Vantrel1\" -> 0"}));
  EXPECT_EQ(registry.StringValue("*\\shell\\Vantrel1", ""), "パス");
}

TEST_F(ModRegTest, SetKeyValueCreatesMissingParentsAndWritesEmptyTextAsAWideNul) {
  EXPECT_TRUE(ModReg::SetKeyValue(sys, ModReg::kClassesRoot, L"A\\B\\C", L"Name", L""));
  EXPECT_TRUE(registry.HasKey("A\\B"));
  const auto value = registry.RawValue("A\\B\\C", "Name");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, platform::kRegSz);
  EXPECT_EQ(value->data, (std::vector<std::uint8_t>{0, 0}));
}

TEST_F(ModRegTest, SetKeyValueEncodesEachKindOfValue) {
  using Bytes = std::vector<std::uint8_t>;
  struct Case {
    ModReg::Value value;
    std::uint32_t type;
    Bytes data;
  };
  const Case cases[] = {
      {std::int16_t{-2}, platform::kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}},
      {std::int32_t{0x01020304}, platform::kRegDword, {4, 3, 2, 1}},
      {true, platform::kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}},
      {false, platform::kRegDword, {0, 0, 0, 0}},
      {Bytes{9, 8, 7}, platform::kRegBinary, {9, 8, 7}},
      {Bytes{}, platform::kRegBinary, {}},
      {2.5, platform::kRegSz, {'2', 0, '.', 0, '5', 0, 0, 0}},
      // UTF-16LE, a character beyond the BMP as its surrogate pair, wherever wchar_t is wider.
      {std::wstring(L"¥\U0001F600"), platform::kRegSz, {0xA5, 0, 0x3D, 0xD8, 0x00, 0xDE, 0, 0}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(ModReg::SetKeyValue(sys, ModReg::kClassesRoot, L"K", L"v", c.value));
    const auto stored = registry.RawValue("K", "v");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, c.type);
    EXPECT_EQ(stored->data, c.data);
  }
}

TEST_F(ModRegTest, SetKeyValueReportsEachFailureAndClosesWhatItOpened) {
  registry.FailOn(FakeRegistry::Op::Create, "K1");
  EXPECT_FALSE(ModReg::SetKeyValue(sys, ModReg::kClassesRoot, L"K1", L"", L"x"));
  EXPECT_EQ(registry.calls().size(), 1u) << "a failed create leaves nothing to close";

  registry.FailOn(FakeRegistry::Op::Set, "K2");
  EXPECT_FALSE(ModReg::SetKeyValue(sys, ModReg::kClassesRoot, L"K2", L"", L"x"));
  EXPECT_EQ(registry.calls().back(), "close \"K2\" -> 0") << "a failed set still closes";

  registry.FailOn(FakeRegistry::Op::Close, "K3");
  EXPECT_FALSE(ModReg::SetKeyValue(sys, ModReg::kClassesRoot, L"K3", L"", L"x"));
}

TEST_F(ModRegTest, DeleteKeyDeletesTheOpenedKeyItself) {
  registry.AddKey("*\\shell\\Vantrel4");
  EXPECT_TRUE(ModReg::DeleteKey(sys, ModReg::kClassesRoot, L"*\\shell\\Vantrel4"));
  EXPECT_EQ(registry.calls(), (Lines{"open \"*\\shell\\Vantrel4\" options=0 access=0xF013F -> 0",
                                     "delete \"*\\shell\\Vantrel4\" sub=\"\" -> 0",
                                     "close \"*\\shell\\Vantrel4\" -> 0"}));
  EXPECT_FALSE(registry.HasKey("*\\shell\\Vantrel4"));
  EXPECT_TRUE(registry.HasKey("*\\shell"));
}

TEST_F(ModRegTest, DeleteKeyOfAMissingKeyFailsAndChangesNothing) {
  registry.AddKey("*\\shell");
  EXPECT_FALSE(ModReg::DeleteKey(sys, ModReg::kClassesRoot, L"*\\shell\\Vantrel4"));
  EXPECT_EQ(registry.calls().size(), 1u);
  EXPECT_TRUE(registry.HasKey("*\\shell"));
}

TEST_F(ModRegTest, DeleteKeyFollowsThePlatformAboutSubKeys) {
  registry.AddKey("Folder\\shell\\Vantrel1\\command");
  EXPECT_FALSE(ModReg::DeleteKey(sys, ModReg::kClassesRoot, L"Folder\\shell\\Vantrel1"));
  EXPECT_TRUE(registry.HasKey("Folder\\shell\\Vantrel1\\command"));

  FakeRegistry old(FakeRegistry::DeleteBehaviour::TakesSubKeys);
  platform::System oldSys{old, profile, files, codepage, app, security};
  old.AddKey("Folder\\shell\\Vantrel1\\command");
  EXPECT_TRUE(ModReg::DeleteKey(oldSys, ModReg::kClassesRoot, L"Folder\\shell\\Vantrel1"));
  EXPECT_EQ(old.KeysBelow("Folder\\shell"), Lines{});
}

TEST_F(ModRegTest, DeleteKeyIsFalseWhenTheCloseFails) {
  registry.AddKey("K");
  registry.FailOn(FakeRegistry::Op::Close, "K");
  EXPECT_FALSE(ModReg::DeleteKey(sys, ModReg::kClassesRoot, L"K"));
  EXPECT_FALSE(registry.HasKey("K"));
}

TEST(TrimNull, CutsAtTheFirstNul) {
  EXPECT_EQ(ModReg::TrimNull(std::wstring(L"ab\0cd\0", 6)), L"ab");
  EXPECT_EQ(ModReg::TrimNull(std::wstring(L"\0x", 2)), L"");
  EXPECT_EQ(ModReg::TrimNull(L"whole"), L"whole");
}

}  // namespace
