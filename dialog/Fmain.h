// The setup dialog: start-up, the entry table, hints, target options and the install run.
#pragma once

#include <cstdint>
#include <string>

#include "platform/DialogWindow.h"
#include "platform/System.h"

// What the program ends with, so that scripts and deployment tools can tell. (1 is taken by
// the entry point: the window could not be created. 3 is no longer given: it refused a folder
// whose name the 8-bit code page could not hold, and scripts may still test for it.)
enum class ExitStatus : int {
  Success = 0,  // Install or Uninstall succeeded, or the user left with Exit
  MissingFile = 2,
  InstallFailed = 4,
  UninstallFailed = 5,
};

// True when every bit of flag is set in value.
bool IsFlag(std::int32_t value, std::int32_t flag);

class Fmain : public platform::DialogEvents {
 public:
  Fmain(platform::DialogWindow& window, platform::System& sys);

  // Runs once before the window is shown. False when the dialog closed itself (a companion file
  // is missing): the window must not be shown.
  bool Form_Load();

  void lstInstalls_Click() override;
  void comInstall_Click(std::int16_t index) override;
  void comExit_Click() override;
  void comAllSelect_Click() override;
  void comOP_Click() override;
  void m_File_Click();
  void m_Fol_Click();

  const std::wstring& AppDir() const { return appDir_; }
  // The program's exit code once the dialog has closed.
  int ExitCode() const { return static_cast<int>(exitStatus_); }

 private:
  // The first companion file that is missing, or an empty text.
  std::wstring MissingCompanionFile();
  std::int32_t ProbeRegisteredTargets(int entry);
  // False when someone the setup cannot vouch for may replace the companion and the user
  // answered No to the warning that says why.
  bool PlaceAccepted();
  // False when the run stopped at a verb that could not be written or removed.
  bool SetupMenus(std::int16_t mode);
  void ShowOutcome(const std::wstring& text, platform::MessageIcon icon);
  bool ProcessVerb(std::int16_t mode, int row, bool filesRoot);

  platform::DialogWindow& window_;
  platform::System& sys_;
  std::wstring appDir_;
  ExitStatus exitStatus_ = ExitStatus::Success;
};
