// Starting the setup again while its dialog is open: the second start hands the user the
// dialog already there and ends at once, without a dialog of its own and without touching
// the registry; two dialogs would each act on the registry as they found it. A dialog that
// hangs does not hold the second start. A start while the earlier run is still ending (from
// the moment it shows its outcome), or while another program holds the setup's lock or shows
// a window of its class, opens its own dialog after a wait instead of ending unseen.
#include <windows.h>
// tlhelp32.h builds on the types windows.h declares.
#include <tlhelp32.h>

#include <memory>
#include <type_traits>

#include "InstallerFixture.h"
#include "Polling.h"
#include "RegistryImage.h"
#include "TestDesktop.h"
#include "WindowLookup.h"
#include "app/SetupRunLock.h"
#include "dialog/ControlIds.h"
#include "platform/win32/Handles.h"
#include "platform/win32/window/WindowClasses.h"

namespace e2e {
namespace {

// A second start only looks for the first dialog; it ends well within this.
constexpr DWORD kSecondStartMs = 5000;
constexpr DWORD kSettleMs = 2000;

// Every top-level window of the setup's class, of whatever process.
std::vector<HWND> SetupWindows() {
  std::vector<HWND> windows;
  for (HWND window = FindWindowExW(nullptr, nullptr, VANTREL_WINDOW_CLASS, nullptr);
       window != nullptr; window = FindWindowExW(nullptr, window, VANTREL_WINDOW_CLASS, nullptr))
    windows.push_back(window);
  return windows;
}

// Handles the driver's own messages while it waits, so its window takes and gives up the
// foreground as the system asks.
void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

using DriverWindow = win32::UniqueWindow;

// Every thread of a process stopped for the scope, as a hung program's are: nothing it is sent
// is answered until they go on.
struct StoppedThreads {
  explicit StoppedThreads(DWORD processId) {
    const win32::UniqueHandle snapshot(
        win32::FromInvalid(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0)));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = snapshot && Thread32First(snapshot.get(), &entry); more;
         more = Thread32Next(snapshot.get(), &entry)) {
      if (entry.th32OwnerProcessID != processId) continue;
      win32::UniqueHandle thread(OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID));
      if (thread && SuspendThread(thread.get()) != static_cast<DWORD>(-1))
        threads.push_back(std::move(thread));
    }
  }
  ~StoppedThreads() {
    for (const win32::UniqueHandle& thread : threads) ResumeThread(thread.get());
  }
  std::vector<win32::UniqueHandle> threads;
};

class SecondStartTest : public InstallerTest {
 protected:
  // A window of the driver's own, put in the foreground over the dialog.
  void CoverTheDialog() {
    if (cover_ == nullptr) {
      cover_.reset(CreateWindowExW(0, L"Static", L"cover", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    }
    ASSERT_NE(cover_, nullptr);
    SetForegroundWindow(cover_.get());
    ASSERT_TRUE(ForegroundBecomes(cover_.get()))
        << "the driver's window did not take the foreground";
  }

  bool ForegroundBecomes(HWND window) {
    return PollUntil(kSettleMs, [&] {
      PumpMessages();
      return GetForegroundWindow() == window;
    });
  }

  // Starts the installer a second time, which ends by itself within kSecondStartMs with 0
  // and leaves the first dialog the only one.
  void StartASecondTime() {
    ChildProcess second = ChildProcess::Start(std::wstring(kStageDir) + kInstallerName, L"C:\\");
    ASSERT_TRUE(second.started()) << second.error();
    ASSERT_TRUE(PollUntil(kSecondStartMs,
                          [&] {
                            PumpMessages();
                            return second.WaitForExit(0);
                          }))
        << "the second start did not end within " << kSecondStartMs << " ms";
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(SetupWindows(), std::vector<HWND>{window_}) << "a second dialog is left";
  }

  DriverWindow cover_;
};

TEST_F(SecondStartTest, ASecondStartBringsTheOpenDialogForwardAndEnds) {
  RegistryImage seeded;
  AddVerb(seeded, VerbRoot::Folders, 2, StagedTitles()[1], CommandValue(kStageDir, 2));
  ASSERT_TRUE(WriteImage(seeded));
  ASSERT_NO_FATAL_FAILURE(Launch());

  ASSERT_NO_FATAL_FAILURE(CoverTheDialog());
  ASSERT_NO_FATAL_FAILURE(StartASecondTime());
  EXPECT_TRUE(ForegroundBecomes(window_)) << "the dialog was not brought to the foreground";

  // The dialog has no minimise box, but another program can minimise it all the same.
  ShowWindow(window_, SW_MINIMIZE);
  ASSERT_TRUE(PollUntil(kSettleMs, [&] { return IsIconic(window_) != FALSE; }));
  ASSERT_NO_FATAL_FAILURE(CoverTheDialog());
  ASSERT_NO_FATAL_FAILURE(StartASecondTime());
  EXPECT_TRUE(PollUntil(kSettleMs, [&] { return IsIconic(window_) == FALSE; }))
      << "the minimised dialog was not restored";
  EXPECT_TRUE(ForegroundBecomes(window_)) << "the restored dialog is not in the foreground";

  EXPECT_EQ(ReadVerbImage(), seeded);
  // The dialog still answers: Exit ends it.
  ASSERT_TRUE(Click(IDC_EXIT));
  EXPECT_TRUE(process_->WaitForExit(kExitTimeoutMs)) << "Exit did not end the dialog";
}

TEST_F(SecondStartTest, ASecondStartEndsAlsoWhenTheOpenDialogHangs) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  // Minimised, so that the second start restores it, and then no longer answering.
  ShowWindow(window_, SW_MINIMIZE);
  ASSERT_TRUE(PollUntil(kSettleMs, [&] { return IsIconic(window_) != FALSE; }));
  {
    const StoppedThreads hung(process_->id());
    ASSERT_FALSE(hung.threads.empty());
    ASSERT_NO_FATAL_FAILURE(StartASecondTime());
  }
  // Answering again, it takes the restore the second start left for it.
  EXPECT_TRUE(PollUntil(kSettleMs, [&] { return IsIconic(window_) == FALSE; }))
      << "the dialog was not restored";
  ASSERT_TRUE(Click(IDC_EXIT));
  EXPECT_TRUE(process_->WaitForExit(kExitTimeoutMs)) << "Exit did not end the dialog";
}

TEST_F(SecondStartTest, AStartAfterTheFirstEndedOpensItsOwnDialog) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(Click(IDC_EXIT));
  ASSERT_TRUE(process_->WaitForExit(kExitTimeoutMs));

  ASSERT_NO_FATAL_FAILURE(Launch());
  EXPECT_TRUE(IsWindowVisible(window_));
  ASSERT_TRUE(Click(IDC_INSTALL));
  ASSERT_NO_FATAL_FAILURE(ExpectOutcome(L"インストールに成功しました！", BoxIcon::Information));
  EXPECT_EQ(ReadVerbImage(), InstalledImage(kStageDir));
}

TEST_F(SecondStartTest, AStartWhileTheEarlierRunIsEndingWaitsForItAndOpensItsOwnDialog) {
  // With no window manager to confirm it, Wine keeps a program whose managed windows close
  // for about two seconds a window: the first run is still ending when the next start comes
  // right after OK, its dialog still on screen though it writes nothing more.
  ASSERT_TRUE(UseManagedWindows(true));
  Launch();
  ASSERT_TRUE(UseUnmanagedWindows());
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(Click(IDC_INSTALL));
  HWND box = WaitForMessageBox(process_->id(), kWindowTimeoutMs);
  ASSERT_NE(box, nullptr) << "no outcome within " << kWindowTimeoutMs << " ms";
  ASSERT_TRUE(PressOk(box));
  ASSERT_TRUE(process_->Running()) << "the first run had ended already: nothing to wait for";

  const ChildProcess first = std::move(*process_);
  ASSERT_NO_FATAL_FAILURE(Launch());
  // Its start-up read what the first run had written.
  EXPECT_TRUE(IsWindowEnabled(Control(IDC_UNINSTALL)));
  EXPECT_TRUE(first.WaitForExit(kExitTimeoutMs));
  ASSERT_TRUE(Click(IDC_EXIT));
  EXPECT_TRUE(process_->WaitForExit(kExitTimeoutMs)) << "Exit did not end the second dialog";
}

TEST_F(SecondStartTest, AStartOpensItsDialogAllTheSameWhenAnotherProgramHoldsTheLock) {
  // The lock's name and the window's class are fixed: any program may take the lock first and
  // never let go, and show a window of that class that is no setup dialog.
  const win32::UniqueHandle squatter(CreateMutexW(nullptr, TRUE, VANTREL_SETUP_MUTEX));
  ASSERT_NE(squatter, nullptr);
  WNDCLASSW impostor{};
  impostor.lpfnWndProc = DefWindowProcW;
  impostor.hInstance = GetModuleHandleW(nullptr);
  impostor.lpszClassName = VANTREL_WINDOW_CLASS;
  RegisterClassW(&impostor);
  const DriverWindow window(CreateWindowExW(0, VANTREL_WINDOW_CLASS, L"Vantrel [ Install ]",
                                            WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                            impostor.hInstance, nullptr));
  ASSERT_NE(window, nullptr);
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(Click(IDC_EXIT));
  EXPECT_TRUE(process_->WaitForExit(kExitTimeoutMs)) << "Exit did not end the dialog";
}

}  // namespace
}  // namespace e2e
