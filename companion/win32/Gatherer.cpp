#include "companion/win32/Gatherer.h"

#include <utility>

#include "companion/DecimalText.h"
#include "companion/win32/Clipboard.h"
#include "companion/win32/Clock.h"
#include "companion/win32/SelectionClipboard.h"
#include "platform/win32/Handles.h"

namespace companion::win32 {
namespace {

// Posted by the gatherer to itself once it took an item: the clipboard is written from the
// message loop, never from inside the hand-over.
constexpr UINT kWriteMessage = WM_APP + 1;
// How long the gatherer waits for a further item. The starts of one use come within a few
// hundred milliseconds even on a loaded machine; one that comes later still finds the
// selection on the clipboard.
constexpr Milliseconds kQuietTime = 500;
constexpr UINT_PTR kQuietTimer = 1;
// Another program holds the clipboard open: the gatherer tries again after this pause, and
// for its last write until kLastWriteWait has passed.
constexpr Milliseconds kBusyPause = 20;
constexpr UINT_PTR kBusyTimer = 2;
constexpr Milliseconds kLastWriteWait = 5000;
// Starts hold the mutex only around a look for the window.
constexpr Milliseconds kLockWait = 10000;

// Answers the messages other threads sent, the items of other starts among them.
void AnswerSentMessages() {
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

// Waits up to `wait` for the mutex, answering sent messages meanwhile.
bool LockAnswering(HANDLE mutex, Milliseconds wait) {
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD spent = GetTickCount() - start;
    const DWORD result = MsgWaitForMultipleObjects(1, &mutex, FALSE,
                                                   spent < wait ? wait - spent : 0, QS_SENDMESSAGE);
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED_0) return true;
    if (result != WAIT_OBJECT_0 + 1) return false;
    AnswerSentMessages();
  }
}

class Gatherer {
 public:
  Gatherer(Entry entry, const StartedItem& own, ItemQueries& names, const std::wstring& program)
      : selection_(entry),
        ownStart_(own.startedAt),
        names_(names),
        program_(program),
        ownSequence_(GetClipboardSequenceNumber()) {
    selection_.Add(own);
  }

  HWND MakeWindow();
  // Takes items and writes them until the quiet time passed.
  void GatherUntilQuiet();
  // The last write, the whole selection as the user's copy; true when the clipboard holds
  // every item taken, or another program's newer copy.
  bool Finish();

  // Its text alone, for a gatherer without a window.
  bool PutAlone() { return PutUnicodeText(selection_.Text(names_)); }

 private:
  enum class Written { kWritten, kBusy, kFailed, kSuperseded };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  void OnWriteDue();
  void OnTimer(UINT_PTR timer);
  Written TryWrite(Write write);

  Selection selection_;
  const FileTime ownStart_;
  ItemQueries& names_;
  const std::wstring& program_;
  HWND window_ = nullptr;
  // The clipboard's sequence number while it holds the gatherer's last write; before the
  // first, the one it had when the gathering began.
  DWORD ownSequence_;
  bool pending_ = true;      // The selection holds items no write put on the clipboard yet.
  bool carried_ = false;     // The record an earlier gatherer left was looked at.
  bool superseded_ = false;  // Another program wrote the clipboard since: the user's copy.
  bool closing_ = false;     // The last text is made: further items go to the next gatherer.
};

HWND Gatherer::MakeWindow() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kGathererClass;
  RegisterClassExW(&windowClass);
  return CreateWindowExW(0, kGathererClass, GathererName(selection_.entry()).c_str(), 0, 0, 0, 0, 0,
                         HWND_MESSAGE, nullptr, instance, this);
}

LRESULT CALLBACK Gatherer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    Gatherer* self =
        static_cast<Gatherer*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  Gatherer* self = reinterpret_cast<Gatherer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr) {
    switch (message) {
      case WM_COPYDATA:
        return self->OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
      case kWriteMessage:
        self->OnWriteDue();
        return 0;
      case WM_TIMER:
        self->OnTimer(wParam);
        return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Exactly one item per message, of this entry, from a start no later than now. Answered TRUE
// once it is held, also when it was held already; only an added item puts the end off.
LRESULT Gatherer::OnCopyData(const COPYDATASTRUCT* data) {
  Selection arrived(selection_.entry());
  if (closing_ || data == nullptr || data->dwData != kItemTag || data->lpData == nullptr ||
      !Selection::Decode(
          std::wstring(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t)),
          &arrived) ||
      arrived.entry() != selection_.entry() || arrived.items().size() != 1 ||
      arrived.items().front().startedAt > Now() + kClockSlack) {
    return FALSE;
  }
  switch (selection_.Add(arrived.items().front())) {
    case Joined::kAdded:
      pending_ = true;
      PostMessageW(window_, kWriteMessage, 0, 0);
      SetTimer(window_, kQuietTimer, kQuietTime, nullptr);
      return TRUE;
    case Joined::kHeldAlready:
      return TRUE;
    case Joined::kRefused:
      break;
  }
  return FALSE;
}

void Gatherer::OnWriteDue() {
  KillTimer(window_, kBusyTimer);
  if (!pending_ || superseded_) return;
  const Written written = TryWrite(Write::kPartial);
  if (written == Written::kBusy || written == Written::kFailed) {
    SetTimer(window_, kBusyTimer, kBusyPause, nullptr);
  }
}

void Gatherer::OnTimer(UINT_PTR timer) {
  if (timer == kBusyTimer) {
    OnWriteDue();
  } else if (timer == kQuietTimer) {
    KillTimer(window_, kQuietTimer);
    PostQuitMessage(0);
  }
}

Gatherer::Written Gatherer::TryWrite(Write write) {
  bool written = false;
  {
    const ::win32::ScopedClipboard clipboard(window_, ::win32::ScopedClipboard::OneTry{});
    if (!clipboard.open()) return Written::kBusy;
    if (GetClipboardSequenceNumber() != ownSequence_) {
      superseded_ = true;
      return Written::kSuperseded;
    }
    if (!carried_) {
      carried_ = true;
      const ClipboardRecord record = RecordOnClipboard(program_);
      selection_.CarryOn(record.text, record.writer, ownStart_);
    }
    // The text is made once, before EmptyClipboard: an item it takes while it waits is
    // pending for the next write, or refused once the last text is made.
    if (write == Write::kWhole) closing_ = true;
    const std::wstring text = selection_.Text(names_);
    pending_ = false;
    written = PutSelection(text, selection_.Encode(), write);
  }
  // Read after the clipboard closed, since Windows counts the formats it adds then; and only
  // while the clipboard is still the gatherer's.
  if (GetClipboardOwner() == window_) ownSequence_ = GetClipboardSequenceNumber();
  if (!written) pending_ = true;
  return written ? Written::kWritten : Written::kFailed;
}

void Gatherer::GatherUntilQuiet() {
  OnWriteDue();
  SetTimer(window_, kQuietTimer, kQuietTime, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
}

bool Gatherer::Finish() {
  AnswerSentMessages();  // The items of starts that found the window before the mutex was taken.
  const DWORD start = GetTickCount();
  for (;;) {
    const Written written = TryWrite(Write::kWhole);
    if (written == Written::kWritten || written == Written::kSuperseded ||
        GetTickCount() - start >= kLastWriteWait) {
      break;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kBusyPause, QS_SENDMESSAGE);
    AnswerSentMessages();
  }
  if (GetClipboardSequenceNumber() != ownSequence_) superseded_ = true;
  return superseded_ || !pending_;
}

}  // namespace

std::wstring GathererName(Entry entry) {
  return DecimalText(static_cast<std::uint64_t>(entry));
}

Problem Gather(HANDLE mutex, Entry entry, const StartedItem& own, ItemQueries& names,
               const std::wstring& program) {
  Gatherer gatherer(entry, own, names, program);
  ::win32::UniqueWindow window(gatherer.MakeWindow());
  ReleaseMutex(mutex);
  if (!window) return gatherer.PutAlone() ? Problem::kNone : Problem::kClipboardFailed;

  gatherer.GatherUntilQuiet();
  const bool locked = LockAnswering(mutex, kLockWait);
  const bool copied = gatherer.Finish();
  window.reset();
  if (locked) ReleaseMutex(mutex);
  return copied ? Problem::kNone : Problem::kClipboardFailed;
}

}  // namespace companion::win32
