// The setup dialog: start-up, the entry table, hints, target options and the install run.
#pragma once

#include <cstdint>
#include <string>

#include "platform/DialogWindow.h"
#include "platform/System.h"

// True when every bit of flag is set in value.
bool IsFlag(std::int32_t value, std::int32_t flag);

class Fmain : public platform::DialogEvents {
 public:
  Fmain(platform::DialogWindow& window, platform::System& sys);

  // Runs once before the window is shown. False when the dialog closed itself (a companion
  // file is missing): the window must not be shown.
  bool Form_Load();

  void lstInstalls_Click() override;
  void comInstall_Click(std::int16_t index) override;
  void comExit_Click() override;
  void comAllSelect_Click() override;
  void comOP_Click() override;
  void m_File_Click();
  void m_Fol_Click();

  const std::wstring& AppDir() const { return appDir_; }

 private:
  // The first companion file that is missing, or an empty text.
  std::wstring MissingCompanionFile();
  std::int32_t ProbeRegisteredTargets(int entry);
  void SetupMenus(std::int16_t mode);
  bool ProcessVerb(std::int16_t mode, int row, bool filesRoot);

  platform::DialogWindow& window_;
  platform::System& sys_;
  std::wstring appDir_;
};
