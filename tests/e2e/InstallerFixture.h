// The base of the end-to-end cases: a clean registry, a staged installation directory, and one
// run of Install.exe at a time, seen from outside through its windows.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "MessageBoxes.h"
#include "RemoteListView.h"
#include "Staging.h"

namespace e2e {

inline constexpr wchar_t kMainWindowCaption[] = L"Vantrel [ Install ]";
inline constexpr wchar_t kMessageBoxCaption[] = L"Install";

struct Row {
  std::wstring text;
  LONG data;
  bool checked;
};

class InstallerTest : public ::testing::Test {
 protected:
  // Removes the ten verb keys and stages the full installation in kStageDir.
  void SetUp() override;

  // Lays out dir again with the given contents (for the cases that leave a file out).
  void Stage(const std::wstring& dir, const StageContents& contents);
  // Starts the installer staged in dir under the name program; a fatal failure when it does
  // not start.
  void Start(const std::wstring& dir = kStageDir, const std::wstring& program = kInstallerName);
  // Start, then wait for the main window; a fatal failure when it does not come.
  void Launch(const std::wstring& dir = kStageDir);

  HWND Control(int id) const;
  RemoteListView List() const;
  std::vector<Row> Rows() const;
  bool Click(int id) const;

  // Waits for the outcome message box, checks its caption, text and icon, presses OK and
  // checks that the program then ends: with 0 after an information only.
  void ExpectOutcome(const std::wstring& text, BoxIcon icon);
  // A whole install run with every row as it starts: Launch, Install, success.
  void InstallAsStarted(const std::wstring& dir = kStageDir);
  // Presses Install, expects the warning for a place others may change, naming dir and giving
  // reason (a text of dialog/Texts.h), and answers it (IDYES or IDNO).
  void InstallAnswering(const std::wstring& dir, const wchar_t* reason, int answer);

  std::optional<ChildProcess> process_;
  HWND window_ = nullptr;
};

}  // namespace e2e
