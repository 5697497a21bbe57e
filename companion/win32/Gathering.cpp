#include "companion/win32/Gathering.h"

#include <windows.h>

#include <string>
#include <utility>

#include "companion/DecimalText.h"
#include "companion/win32/Clipboard.h"
#include "companion/win32/SelectionClipboard.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ProcessImage.h"

namespace companion::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"Vantrel.Companion.Selection";
// Tags the WM_COPYDATA that carries a start's item.
constexpr ULONG_PTR kItemTag = 0x56544931;
// Posted by the gatherer to itself once it took an item: the clipboard is written from the
// message loop, never from inside the hand-over.
constexpr UINT kWriteMessage = WM_APP + 1;
// How long the gatherer waits for a further item. The starts of one use come within a few
// hundred milliseconds even on a loaded machine; one that comes later still finds the
// selection on the clipboard.
constexpr UINT kQuietMilliseconds = 500;
constexpr UINT_PTR kQuietTimer = 1;
// The mutex is held only around a look for the window, its making, and the last write and
// the window's end.
constexpr DWORD kLockMilliseconds = 10000;
// How long a start tries in all to hand its item over or to become the gatherer. The
// gatherer answers at once: it only takes the item, and writes it after its answer.
constexpr DWORD kGiveUpMilliseconds = 5000;

std::uint64_t StartOfThisProcess() {
  FILETIME created{}, exited{}, kernel{}, user{};
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  return TicksOf(created);
}

std::wstring EntryName(Entry entry) {
  return DecimalText(static_cast<std::uint64_t>(entry));
}

bool Lock(HANDLE mutex, DWORD milliseconds) {
  const DWORD result = WaitForSingleObject(mutex, milliseconds);
  return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

struct Gatherer {
  ItemQueries& names;
  Selection selection;
  HWND window = nullptr;
  bool unwritten = true;  // Items were taken since the last write began.
  bool written = false;   // The last write succeeded.
};

// Writes until the clipboard holds every item taken. EmptyClipboard sends WM_DESTROYCLIPBOARD
// to the clipboard's previous owner and, while it waits for the answer, handles the items
// other starts send; those are only taken, so one write never runs inside another, and the
// selection is written again once the write returned.
void WriteSelection(Gatherer& gatherer, Write write) {
  while (gatherer.unwritten) {
    gatherer.unwritten = false;
    gatherer.written = PublishSelection(gatherer.window, gatherer.selection, gatherer.names, write);
  }
}

LRESULT CALLBACK GathererProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Gatherer* gatherer = reinterpret_cast<Gatherer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_COPYDATA && gatherer != nullptr) {
    const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    Selection arrived(gatherer->selection.entry());
    if (data == nullptr || data->dwData != kItemTag || data->lpData == nullptr ||
        !Selection::Decode(
            std::wstring(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t)),
            CurrentTime(), &arrived) ||
        arrived.entry() != gatherer->selection.entry()) {
      return FALSE;
    }
    // Taken even when it belongs to an earlier use: arriving late, it may be the start that
    // links that use to the latest.
    if (gatherer->selection.Join(arrived)) {
      gatherer->unwritten = true;
      PostMessageW(window, kWriteMessage, 0, 0);
    }
    SetTimer(window, kQuietTimer, kQuietMilliseconds, nullptr);
    return TRUE;
  }
  if (message == kWriteMessage && gatherer != nullptr) {
    WriteSelection(*gatherer, Write::kPartial);
    return 0;
  }
  if (message == WM_TIMER && wParam == kQuietTimer) {
    KillTimer(window, kQuietTimer);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeGathererWindow(Entry entry) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = GathererProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
  return CreateWindowExW(0, kWindowClass, EntryName(entry).c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE,
                         nullptr, instance, nullptr);
}

bool PublishAlone(const Selection& selection, ItemQueries& names) {
  return PutUnicodeText(selection.Text(names));
}

// Called with the mutex held, which it lets go.
Problem Gather(HANDLE mutex, Selection own, ItemQueries& names) {
  Gatherer gatherer{names, std::move(own)};
  ::win32::UniqueWindow window(MakeGathererWindow(gatherer.selection.entry()));
  gatherer.window = window.get();
  if (window) SetWindowLongPtrW(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&gatherer));
  ReleaseMutex(mutex);
  if (!window) {
    return PublishAlone(gatherer.selection, names) ? Problem::kNone : Problem::kClipboardFailed;
  }

  WriteSelection(gatherer, Write::kPartial);
  SetTimer(window.get(), kQuietTimer, kQuietMilliseconds, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);

  // The whole selection once more as the user's copy, under the mutex: no start finds the
  // window, and no next gatherer writes, until it is there and the window gone. A program
  // that wrote the clipboard since holds a later copy of the user's, which stays.
  const bool locked = Lock(mutex, kLockMilliseconds);
  if (!gatherer.written || GetClipboardOwner() == window.get()) {
    gatherer.unwritten = true;
    WriteSelection(gatherer, Write::kWhole);
  }
  const bool copied = gatherer.written || PublishAlone(gatherer.selection, names);
  window.reset();
  if (locked) ReleaseMutex(mutex);
  return copied ? Problem::kNone : Problem::kClipboardFailed;
}

// The gatherer of `entry`: a window of its class and name whose process runs `program`, the
// companion's own file. Any program can make a window of that name; one that answered the
// hand-over would swallow every item.
HWND FindGatherer(Entry entry, const std::wstring& program) {
  HWND window = nullptr;
  while ((window = FindWindowExW(HWND_MESSAGE, window, kWindowClass, EntryName(entry).c_str()))) {
    if (::win32::WindowRunsProgram(window, program)) return window;
  }
  return nullptr;
}

// True once the gatherer took the item.
bool HandOver(HWND gatherer, const Selection& own, DWORD milliseconds) {
  const std::wstring record = own.Encode();
  COPYDATASTRUCT data{};
  data.dwData = kItemTag;
  data.cbData = static_cast<DWORD>(record.size() * sizeof(wchar_t));
  data.lpData = const_cast<wchar_t*>(record.data());
  DWORD_PTR accepted = FALSE;
  return SendMessageTimeoutW(gatherer, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL,
                             milliseconds, &accepted) != 0 &&
         accepted == TRUE;
}

}  // namespace

Problem GatherOnClipboard(Entry entry, SelectionItem item, ItemQueries& names) {
  Selection own(entry, StartOfThisProcess(), std::move(item));
  const std::wstring lockName = L"Local\\Vantrel.Companion.Selection." + EntryName(entry);
  ::win32::UniqueHandle mutex(CreateMutexW(nullptr, FALSE, lockName.c_str()));
  if (!mutex) return PublishAlone(own, names) ? Problem::kNone : Problem::kClipboardFailed;
  const std::wstring program = ::win32::ImagePathOf(GetCurrentProcess());
  const DWORD start = GetTickCount();
  // A refused or unanswered hand-over means the gatherer ended in between, or took too long:
  // the next look finds its successor or none.
  for (DWORD spent = 0; spent < kGiveUpMilliseconds; spent = GetTickCount() - start) {
    if (!Lock(mutex.get(), kGiveUpMilliseconds - spent)) break;
    const HWND gatherer = FindGatherer(entry, program);
    if (gatherer == nullptr) return Gather(mutex.get(), std::move(own), names);
    ReleaseMutex(mutex.get());
    spent = GetTickCount() - start;
    if (spent < kGiveUpMilliseconds && HandOver(gatherer, own, kGiveUpMilliseconds - spent)) {
      return Problem::kNone;
    }
    Sleep(10);
  }
  return Problem::kClipboardFailed;
}

}  // namespace companion::win32
