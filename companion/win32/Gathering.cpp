#include "companion/win32/Gathering.h"

#include <windows.h>

#include <string>
#include <utility>

#include "companion/win32/Clipboard.h"
#include "companion/win32/Clock.h"
#include "companion/win32/Gatherer.h"
#include "companion/win32/SelectionClipboard.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ProcessImage.h"

namespace companion::win32 {
namespace {

// How long a start tries in all to hand its item over or to become the gatherer: longer than
// a gatherer may wait for a clipboard another program holds before its last write.
constexpr Milliseconds kGiveUpTime = 10000;
// The pause before a start looks again for a gatherer that refused its item.
constexpr Milliseconds kLookAgainPause = 10;

bool Lock(HANDLE mutex, Milliseconds wait) {
  const DWORD result = WaitForSingleObject(mutex, wait);
  return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

// The gatherer of `entry`: a window of its class and name whose process runs `program`, the
// companion's own file. Any program can make a window of that name; one that answered the
// hand-over would swallow every item.
HWND FindGatherer(Entry entry, const std::wstring& program) {
  const std::wstring name = GathererName(entry);
  HWND window = nullptr;
  while ((window = FindWindowExW(HWND_MESSAGE, window, kGathererClass, name.c_str()))) {
    if (::win32::WindowRunsProgram(window, program)) return window;
  }
  return nullptr;
}

// True once the gatherer holds the item. Sent again after a refusal or no answer in time, an
// item the gatherer took meanwhile is answered as held.
bool HandOver(HWND gatherer, const StartedItem& own, Entry entry, Milliseconds wait) {
  Selection one(entry);
  one.Add(own);
  const std::wstring record = one.Encode();
  COPYDATASTRUCT data{};
  data.dwData = kItemTag;
  data.cbData = static_cast<DWORD>(record.size() * sizeof(wchar_t));
  data.lpData = const_cast<wchar_t*>(record.data());
  DWORD_PTR answer = FALSE;
  return SendMessageTimeoutW(gatherer, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL,
                             wait, &answer) != 0 &&
         answer == TRUE;
}

// Whether the record on the clipboard, written by this program, holds `own`: a gatherer that
// did not answer in time may have taken it all the same, and written it since.
bool RecordHolds(Entry entry, const StartedItem& own, const std::wstring& program) {
  const ::win32::ScopedClipboard clipboard(nullptr);
  if (!clipboard.open()) return false;
  const ClipboardRecord record = RecordOnClipboard(program);
  Selection held(entry);
  held.CarryOn(record.text, record.writer, own.startedAt);
  return held.Holds(own);
}

}  // namespace

Problem GatherOnClipboard(Entry entry, SelectionItem item, ItemQueries& names) {
  const StartedItem own{ThisProcessStart(), std::move(item)};
  const std::wstring lockName = L"Local\\Vantrel.Companion.Selection." + GathererName(entry);
  ::win32::UniqueHandle mutex(CreateMutexW(nullptr, FALSE, lockName.c_str()));
  if (!mutex) return PutUnicodeText(own.item.text) ? Problem::kNone : Problem::kClipboardFailed;
  const std::wstring program = ::win32::ImagePathOf(GetCurrentProcess());
  const DWORD start = GetTickCount();
  // A refused hand-over means the gatherer could not keep the item or is ending: the next look
  // finds its successor or none.
  for (DWORD spent = 0; spent < kGiveUpTime; spent = GetTickCount() - start) {
    if (!Lock(mutex.get(), kGiveUpTime - spent)) break;
    const HWND gatherer = FindGatherer(entry, program);
    if (gatherer == nullptr) return Gather(mutex.get(), entry, own, names, program);
    ReleaseMutex(mutex.get());
    spent = GetTickCount() - start;
    if (spent < kGiveUpTime && HandOver(gatherer, own, entry, kGiveUpTime - spent)) {
      return Problem::kNone;
    }
    Sleep(kLookAgainPause);
  }
  return RecordHolds(entry, own, program) ? Problem::kNone : Problem::kClipboardFailed;
}

}  // namespace companion::win32
