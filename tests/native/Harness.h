// A setup dialog over fakes of the whole platform, as the native tests build it.
#pragma once

#include <string>

#include "dialog/Design.h"
#include "dialog/Fmain.h"
#include "platform/fake/FakeDialogWindow.h"
#include "platform/fake/FakeSystem.h"

namespace testing_support {

inline constexpr char kAppDir[] = "C:\\Program Files\\Vantrel";

// The titles of entries 1 to 5 in the settings file that WithCompanionFiles lays out.
inline constexpr const char* kTitles[] = {"パスをコピー", "場所をコピー", "DOSパス", "DOS場所",
                                          "詳細情報"};
// The companion as the commands name it, quoted.
inline constexpr char kQuotedProgram[] = "\"C:\\Program Files\\Vantrel\\Vantrel.Dll\"";

// Install.ini with one title per entry.
inline std::string FiveTitles() {
  std::string ini;
  for (int entry = 1; entry <= 5; ++entry) {
    ini += "[Menu" + std::to_string(entry) + "]\r\nTitle=" + kTitles[entry - 1] + "\r\n";
  }
  return ini;
}

struct Harness : fake::FakeSystem {
  explicit Harness(fake::FakeRegistry::DeleteBehaviour behaviour =
                       fake::FakeRegistry::DeleteBehaviour::RefusesSubKeys,
                   std::wstring appDirectory = L"C:\\Program Files\\Vantrel",
                   std::wstring baseName = L"Install")
      : FakeSystem(behaviour, std::move(appDirectory), std::move(baseName)) {
    window.Attach(&form);
  }

  // Both companion files present and the usual titles.
  Harness& WithCompanionFiles() {
    files.AddFile(std::string(kAppDir) + "\\Vantrel.Dll");
    files.AddFile(std::string(kAppDir) + "\\Install.ini");
    profile.SetFile(std::string(kAppDir) + "\\Install.ini", FiveTitles());
    return *this;
  }

  // Registers entry n under a root as a complete verb ("*" or "Folder").
  void Register(const std::string& root, int entry) {
    const std::string key = root + "\\shell\\Vantrel" + std::to_string(entry);
    registry.SetString(key, "", "old title");
    registry.SetString(key + "\\command", "", "C:\\Old\\Vantrel.Dll " + std::to_string(entry));
  }

  fake::FakeDialogWindow window{design::SetupDialog()};
  Fmain form{window, sys};
};

}  // namespace testing_support
