#include "dialog/Fmain.h"

#include "dialog/Entries.h"
#include "dialog/Escapes.h"
#include "dialog/Names.h"
#include "dialog/Texts.h"
#include "support/ModFCheck.h"
#include "support/ModReg.h"
#include "support/Mod_ini.h"

using platform::Button;
using platform::MenuItem;
using platform::MessageIcon;

namespace {

constexpr std::int16_t kInstallMode = 0;
constexpr std::int16_t kUninstallMode = 1;

const wchar_t* ReasonText(platform::PlaceRisk risk) {
  switch (risk) {
    case platform::PlaceRisk::OtherComputer:
      return texts::kOnAnotherComputer;
    case platform::PlaceRisk::Link:
      return texts::kLinkOnThePath;
    case platform::PlaceRisk::FolderAbove:
      return texts::kFolderAboveMayBeReplaced;
    case platform::PlaceRisk::OtherAccounts:
    case platform::PlaceRisk::None:
      break;
  }
  return texts::kOtherAccountsMayChange;
}

}  // namespace

bool IsFlag(std::int32_t value, std::int32_t flag) {
  return (value & flag) == flag;
}

Fmain::Fmain(platform::DialogWindow& window, platform::System& sys) : window_(window), sys_(sys) {}

bool Fmain::Form_Load() {
  appDir_ = AddBackslash(sys_.app.Directory());

  const std::wstring missing = MissingCompanionFile();
  if (!missing.empty()) {
    window_.ShowMessage(std::wstring(texts::kMissingFile) + L"\r\n" + missing, MessageIcon::Error);
    exitStatus_ = ExitStatus::MissingFile;
    window_.Close();
    return false;
  }
  sys_.app.SetHelpFile(appDir_ + names::kHelpFile);

  window_.ClearRows();
  std::int32_t total = 0;
  const std::wstring iniFile = Mod_ini::IniFilePath(sys_);
  for (int entry = 1; entry <= entries::kCount; ++entry) {
    const int row = entry - 1;
    window_.AddRow(row, Mod_ini::GetIniString(sys_, iniFile, entries::SectionName(entry),
                                              names::kTitleKey, L""));
    std::int32_t flags = ProbeRegisteredTargets(entry);
    total += flags;
    if (flags < 1) {
      flags = entries::kBoth;  // not registered anywhere: offer on both once chosen
    } else {
      window_.SetRowChecked(row, true);
    }
    window_.SetRowData(row, flags);
  }
  if (total == 0) {
    window_.SetButtonEnabled(Button::Uninstall, false);
    comAllSelect_Click();
  }
  lstInstalls_Click();
  return true;
}

std::wstring Fmain::MissingCompanionFile() {
  // The program is checked first; only the first missing file is named.
  if (!ModFCheck::FileExists(sys_, appDir_ + names::kCompanionProgram))
    return names::kCompanionProgram;
  // The settings file checked is the one the titles are read from: named after this program,
  // which a renamed copy is too.
  const std::wstring settings = Mod_ini::IniFilePath(sys_);
  if (!ModFCheck::FileExists(sys_, settings)) return settings.substr(settings.rfind(L'\\') + 1);
  return L"";
}

std::int32_t Fmain::ProbeRegisteredTargets(int entry) {
  std::int32_t flags = 0;
  if (ModReg::KeyExists(sys_, ModReg::kClassesRoot,
                        entries::VerbKeyPath(entries::Root::Files, entry)))
    flags = entries::kFiles;
  if (ModReg::KeyExists(sys_, ModReg::kClassesRoot,
                        entries::VerbKeyPath(entries::Root::Folders, entry)))
    flags |= entries::kFolders;
  return flags;
}

void Fmain::lstInstalls_Click() {
  const int current = window_.CurrentRow();
  const std::wstring hint =
      current >= 0 && current < entries::kCount ? texts::kHints[current] : L"";
  bool any = false;
  for (int row = 0; row < entries::kCount && !any; ++row) any = window_.RowChecked(row);
  window_.SetButtonEnabled(Button::Install, any);
  window_.SetHintCaption(ExpandEscapes(L"\\s" + hint));
}

void Fmain::comAllSelect_Click() {
  for (int row = 0; row < entries::kCount; ++row) window_.SetRowChecked(row, true);
}

void Fmain::comExit_Click() {
  window_.Close();
}

void Fmain::comInstall_Click(std::int16_t index) {
  // The commands start the companion for every user, administrators included: whoever may
  // replace it may run their own program in their name. Removing commands needs no question.
  if (index == kInstallMode && !PlaceAccepted()) return;  // back to the dialog, nothing written

  if (!SetupMenus(index)) {
    exitStatus_ = index == kUninstallMode ? ExitStatus::UninstallFailed : ExitStatus::InstallFailed;
  }
  window_.Close();  // the program ends after every run, whatever its outcome
}

bool Fmain::PlaceAccepted() {
  const platform::PlaceRisk risk = sys_.security.ReplaceRisk(appDir_, names::kCompanionProgram);
  return risk == platform::PlaceRisk::None ||
         window_.AskWarning(std::wstring(texts::kOthersMayChange) + L"\r\n" + appDir_ + L"\r\n" +
                            ReasonText(risk) + L"\r\n\r\n" + texts::kOthersMayChangeRisk);
}

bool Fmain::SetupMenus(std::int16_t mode) {
  const std::wstring prefix = mode == kUninstallMode ? texts::kUninstallPrefix : L"";
  for (entries::Root root : entries::kRoots) {
    for (int entry = 1; entry <= entries::kCount; ++entry) {
      if (!ProcessVerb(mode, entry - 1, root == entries::Root::Files)) {
        ShowOutcome(prefix + texts::kInstallFailed, MessageIcon::Error);
        return false;  // later verbs are left as they are
      }
    }
  }
  ShowOutcome(prefix + texts::kInstallSucceeded, MessageIcon::Information);
  return true;
}

void Fmain::ShowOutcome(const std::wstring& text, MessageIcon icon) {
  // The run writes nothing after this, though its window stays a moment while it closes: a
  // later start waits for it to end instead of being handed a dialog about to go.
  window_.MarkEnding();
  window_.ShowMessage(text, icon);
}

// Deletes one verb and, when the row asks for it under this root, writes it again. False when
// the verb does not end as asked.
bool Fmain::ProcessVerb(std::int16_t mode, int row, bool filesRoot) {
  const int entry = row + 1;
  const entries::Root root = filesRoot ? entries::Root::Files : entries::Root::Folders;
  const std::wstring verbKey = entries::VerbKeyPath(root, entry);
  const std::int32_t flags = window_.RowData(row);

  // A verb key goes only once its "command" sub-key has gone: the NT family refuses to delete
  // a key that still has sub-keys. Failed deletes are judged below, by what remains.
  ModReg::DeleteKey(sys_, ModReg::kClassesRoot, entries::CommandKeyPath(root, entry));
  ModReg::DeleteKey(sys_, ModReg::kClassesRoot, verbKey);

  const bool wanted = mode == kInstallMode && window_.RowChecked(row) &&
                      ((IsFlag(flags, entries::kFiles) && filesRoot) ||
                       (IsFlag(flags, entries::kFolders) && !filesRoot));
  if (!wanted) return ModReg::KeyAbsent(sys_, ModReg::kClassesRoot, verbKey);

  return ModReg::SetKeyValue(sys_, ModReg::kClassesRoot, verbKey, L"", window_.RowText(row)) &&
         ModReg::SetKeyValue(sys_, ModReg::kClassesRoot, entries::CommandKeyPath(root, entry), L"",
                             entries::CommandLine(appDir_, entry));
}

void Fmain::comOP_Click() {
  const int row = window_.CurrentRow();
  if (row < 0 || row >= entries::kCount) return;  // no current row: nothing to edit

  window_.SetMenuChecked(MenuItem::File, IsFlag(window_.RowData(row), entries::kFiles));
  window_.SetMenuChecked(MenuItem::Folder, IsFlag(window_.RowData(row), entries::kFolders));
  const platform::TwipRect button = window_.ButtonBounds(Button::Details);
  const auto chosen = window_.ShowPopup(button.left, button.top + button.height);
  if (chosen == MenuItem::File) m_File_Click();
  if (chosen == MenuItem::Folder) m_Fol_Click();

  const std::int32_t newFlags = (window_.MenuChecked(MenuItem::File) ? entries::kFiles : 0) |
                                (window_.MenuChecked(MenuItem::Folder) ? entries::kFolders : 0);
  window_.SetRowData(row, newFlags);
  if (newFlags == 0) {
    // Offered nowhere: the entry leaves the installation and its targets return to both.
    window_.SetRowChecked(row, false);
    window_.SetRowData(row, entries::kBoth);
  }
}

void Fmain::m_File_Click() {
  window_.SetMenuChecked(MenuItem::File, !window_.MenuChecked(MenuItem::File));
}

void Fmain::m_Fol_Click() {
  window_.SetMenuChecked(MenuItem::Folder, !window_.MenuChecked(MenuItem::Folder));
}
