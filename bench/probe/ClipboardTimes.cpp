#include "bench/probe/ClipboardTimes.h"

#include <windows.h>

#include <algorithm>
#include <functional>

#include "bench/probe/Stopwatch.h"
#include "platform/win32/Handles.h"

namespace probe {
namespace {

constexpr double kGiveUpMs = 20000;
// Under Wine the clipboard's contents move to the desktop process for a moment after the
// window that set them is gone; a run started within that moment is seen tens of
// milliseconds late, whichever program it times. Each run waits it out first.
constexpr DWORD kSettleMs = 300;
constexpr wchar_t kMarker[] = L"probe: before the run";

bool SetText(const std::wstring& text) {
  ::win32::UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                              nullptr, GetModuleHandleW(nullptr), nullptr));
  const ::win32::ScopedClipboard clipboard(owner.get());
  if (!owner || !clipboard.open()) return false;
  ::win32::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)));
  bool done = false;
  if (block) {
    {
      ::win32::ScopedGlobalLock locked(block.get());
      if (locked.data() != nullptr) {
        std::copy(text.c_str(), text.c_str() + text.size() + 1,
                  static_cast<wchar_t*>(locked.data()));
      }
    }
    done = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block.get()) != nullptr;
    if (done) static_cast<void>(block.release());  // The clipboard owns it now.
  }
  return done;
}

std::wstring ReadText() {
  // Tried again every millisecond: a writer still holding it must not add to the time.
  const ::win32::ScopedClipboard clipboard(nullptr, 1);
  std::wstring text;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data != nullptr) {
    ::win32::ScopedGlobalLock locked(data);
    if (locked.data() != nullptr) text = static_cast<const wchar_t*>(locked.data());
  }
  return text;
}

::win32::UniqueHandle Start(const std::wstring& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return ::win32::UniqueHandle();
  }
  CloseHandle(process.hThread);
  return ::win32::UniqueHandle(process.hProcess);
}

// Starts the program once for each of `arguments` and returns the milliseconds until the
// clipboard's text is `done` (negative when it never was), and in `ended` until all ended.
// The clipboard is only opened when its sequence number shows a change.
double TimeUntilText(const std::wstring& program, const std::vector<std::wstring>& arguments,
                     const std::function<bool(const std::wstring&)>& done, double* ended) {
  if (!SetText(kMarker)) return -1;
  Sleep(kSettleMs);
  const Stopwatch clock;
  std::vector<::win32::UniqueHandle> processes;
  processes.reserve(arguments.size());
  for (const std::wstring& argument : arguments) processes.push_back(Start(program, argument));
  DWORD seen = GetClipboardSequenceNumber();
  double reached = -1;
  while (reached < 0 && clock.Milliseconds() < kGiveUpMs) {
    const DWORD now = GetClipboardSequenceNumber();
    if (now != seen) {
      seen = now;
      if (done(ReadText())) reached = clock.Milliseconds();
    }
    if (reached < 0) Sleep(1);
  }
  for (const ::win32::UniqueHandle& process : processes) {
    if (!process || WaitForSingleObject(process.get(), 20000) != WAIT_OBJECT_0) return -1;
  }
  if (ended != nullptr) *ended = clock.Milliseconds();
  return reached;
}

std::wstring Quoted(const std::wstring& text) {
  return L"\"" + text + L"\"";
}

std::function<bool(const std::wstring&)> Is(const std::wstring& expected) {
  return [expected](const std::wstring& text) { return text == expected; };
}

// The marker and fifteen lines below it, in whatever order the bare programs added them.
bool HasFifteenLines(const std::wstring& text) {
  std::size_t lines = 0;
  for (std::size_t at = text.find(L"\r\n"); at != std::wstring::npos;
       at = text.find(L"\r\n", at + 2)) {
    ++lines;
  }
  return text.rfind(kMarker, 0) == 0 && lines == 15;
}

}  // namespace

ClipboardTimes TimeClipboard(const std::wstring& companion, const std::wstring& bare, int runs) {
  ClipboardTimes times;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  wchar_t longTemp[MAX_PATH];
  GetLongPathNameW(temp, longTemp, MAX_PATH);
  const std::wstring folder = std::wstring(longTemp) + L"Vantrel bench 写真";
  CreateDirectoryW(folder.c_str(), nullptr);
  std::vector<std::wstring> items, companionArguments, bareArguments;
  std::wstring allItems;
  for (int i = 1; i <= 15; ++i) {
    items.push_back(folder + L"\\写真 " + std::to_wstring(i) + L".jpg");
    ::win32::UniqueHandle file(::win32::FromInvalid(
        CreateFileW(items.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)));
    companionArguments.push_back(L"1 " + Quoted(items.back()));
    bareArguments.push_back(L"+bare " + std::to_wstring(i));
    allItems += (allItems.empty() ? L"" : L"\r\n") + items.back();
  }

  for (int run = -1; run < runs; ++run) {
    double ended = 0;
    const double one = TimeUntilText(companion, {companionArguments[0]}, Is(items[0]), nullptr);
    const double bareOne = TimeUntilText(bare, {L"fixed text"}, Is(L"fixed text"), nullptr);
    const double fifteen = TimeUntilText(companion, companionArguments, Is(allItems), &ended);
    const double bareFifteen = TimeUntilText(bare, bareArguments, HasFifteenLines, nullptr);
    if (one < 0 || bareOne < 0 || fifteen < 0 || bareFifteen < 0) {
      times.problem = L"a run did not leave the expected text on the clipboard";
      break;
    }
    if (run < 0) continue;
    times.companionOne.push_back(one);
    times.bareOne.push_back(bareOne);
    times.companionFifteen.push_back(fifteen);
    times.bareFifteen.push_back(bareFifteen);
    times.companionEnded.push_back(ended);
  }
  for (const std::wstring& item : items) DeleteFileW(item.c_str());
  RemoveDirectoryW(folder.c_str());
  return times;
}

}  // namespace probe
