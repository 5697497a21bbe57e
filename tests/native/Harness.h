// A setup dialog over fakes of the whole platform, as the native tests build it.
#pragma once

#include <string>

#include "dialog/Design.h"
#include "dialog/Fmain.h"
#include "platform/fake/FakeDialogWindow.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeRegistry.h"

namespace testing_support {

inline constexpr char kAppDir[] = "C:\\Program Files\\Vantrel";

// Install.ini with one title per entry.
inline std::string FiveTitles() {
  return "[Menu1]\r\nTitle=パスをコピー\r\n[Menu2]\r\nTitle=場所をコピー\r\n"
         "[Menu3]\r\nTitle=DOSパス\r\n[Menu4]\r\nTitle=DOS場所\r\n[Menu5]\r\nTitle=詳細情報\r\n";
}

struct Harness {
  explicit Harness(fake::FakeRegistry::DeleteBehaviour behaviour =
                       fake::FakeRegistry::DeleteBehaviour::RefusesSubKeys,
                   std::wstring appDirectory = L"C:\\Program Files\\Vantrel")
      : registry(behaviour), app(std::move(appDirectory), L"Install") {
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

  fake::FakeRegistry registry;
  fake::FakeProfile profile;
  fake::FakeFileSystem files;
  fake::FakeCodePage codepage;
  fake::FakeApplication app;
  platform::System sys{registry, profile, files, codepage, app};
  fake::FakeDialogWindow window{design::SetupDialog()};
  Fmain form{window, sys};
};

}  // namespace testing_support
