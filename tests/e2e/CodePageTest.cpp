// The setup under the code pages Windows runs with: ctest runs this suite under 932 (Japanese,
// e2e_code_page), 1252 (Western, e2e_code_page_1252) and 65001 (the "use Unicode UTF-8" option,
// e2e_code_page_65001), naming the one to expect in VANTREL_CODE_PAGE. The installer inherits
// the driver's code page. Under each, the titles of the settings file the release ships, and a
// folder whose name no 8-bit code page holds, are registered exactly.
#include <array>
#include <cwchar>

#include "BuildProducts.h"
#include "InstallerFixture.h"
#include "RegistryImage.h"
#include "ShellVerbs.h"
#include "VerbStarts.h"
#include "dialog/ControlIds.h"

namespace e2e {
namespace {

// The titles of packaging/Install.ini.utf8.
const std::array<std::wstring, 5> kShippedTitles = {L"パス名をコピー", L"場所をコピー",
                                                    L"DOS形式のパス名をコピー",
                                                    L"DOS形式の場所をコピー", L"詳細情報をコピー"};

// Japanese, é, Hangul and ¥. A conversion to code page 932 with best fit would name the decoy
// beside it, where ¥ has become a backslash.
constexpr wchar_t kFolder[] = L"C:\\テスト 用\\José 한글 a¥b\\";
constexpr wchar_t kDecoy[] = L"C:\\テスト 用\\José 한글 a\\b\\";

class CodePageTest : public InstallerTest {};

TEST_F(CodePageTest, ShippedTitlesAndAFolderNoCodePageHoldsAreRegisteredExactly) {
  const wchar_t* asked = _wgetenv(L"VANTREL_CODE_PAGE");
  ASSERT_EQ(GetACP(), asked ? std::wcstoul(asked, nullptr, 10) : 932ul)
      << "the locale did not give the code page asked for";
  ASSERT_FALSE(Products().settings.empty()) << "the driver was not given --settings";
  ASSERT_NO_FATAL_FAILURE(Stage(kDecoy, StageContents{}));
  StageContents shipped;
  shipped.shippedSettings = true;
  ASSERT_NO_FATAL_FAILURE(Stage(kFolder, shipped));

  ASSERT_NO_FATAL_FAILURE(Launch(kFolder));
  const std::vector<Row> rows = Rows();
  ASSERT_EQ(rows.size(), kShippedTitles.size());
  for (size_t row = 0; row < rows.size(); ++row) EXPECT_EQ(rows[row].text, kShippedTitles[row]);
  ASSERT_TRUE(Click(IDC_INSTALL));
  ASSERT_NO_FATAL_FAILURE(ExpectOutcome(L"インストールに成功しました！", BoxIcon::Information));

  EXPECT_EQ(ReadVerbImage(), InstalledImage(kFolder, kShippedTitles));

  const std::wstring folder = std::wstring(kFolder).substr(0, std::wcslen(kFolder) - 1);
  std::wstring error;
  ASSERT_TRUE(StartFolderVerb(L"Vantrel1", folder, &error)) << error;
  EXPECT_EQ(CompanionLog(kFolder),
            std::vector<std::wstring>{L"\"" + std::wstring(kFolder) + kCompanionName + L"\" 1 \"" +
                                      folder + L"\""});
  EXPECT_EQ(CompanionLog(kDecoy), std::vector<std::wstring>{}) << "the decoy's companion ran";
}

}  // namespace
}  // namespace e2e
