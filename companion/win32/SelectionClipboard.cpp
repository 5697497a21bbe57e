#include "companion/win32/SelectionClipboard.h"

#include <string>
#include <utility>

#include "companion/win32/Clipboard.h"
#include "platform/win32/Handles.h"

namespace companion::win32 {
namespace {

// Registering a name again gives the same number. Not kept in a function-local static: its
// thread-safe initialisation would bring the C++ library's exception support into the program.
UINT SelectionFormat() {
  return RegisterClipboardFormatW(L"Vantrel.Selection");
}

// The formats Windows reads to keep contents out of its clipboard history, out of the cloud
// clipboard and away from clipboard monitors: a DWORD 0 for the first two, any data for the
// last.
constexpr const wchar_t* kPartialFormats[] = {L"CanIncludeInClipboardHistory",
                                              L"CanUploadToCloudClipboard",
                                              L"ExcludeClipboardContentFromMonitorProcessing"};

// The text of a clipboard block in the open clipboard; empty when there is none.
std::wstring TextOfBlock(HANDLE data) {
  if (data == nullptr) return std::wstring();
  ::win32::ScopedGlobalLock locked(data);
  if (locked.data() == nullptr) return std::wstring();
  std::wstring text(static_cast<const wchar_t*>(locked.data()), GlobalSize(data) / sizeof(wchar_t));
  const std::size_t end = text.find(L'\0');
  if (end != std::wstring::npos) text.resize(end);
  return text;
}

}  // namespace

bool PublishSelection(HWND owner, Selection& selection, ItemQueries& names, Write write) {
  const UINT format = SelectionFormat();
  const ::win32::ScopedClipboard clipboard(owner);
  if (!clipboard.open()) return false;
  Selection earlier(selection.entry());
  if (format != 0 && IsClipboardFormatAvailable(format) &&
      Selection::Decode(TextOfBlock(GetClipboardData(format)), CurrentTime(), &earlier)) {
    selection.Join(earlier);
  }
  // Everything is made before EmptyClipboard, which may handle messages that change the
  // selection while it waits for the clipboard's previous owner.
  ::win32::UniqueGlobal text = BlockOf(selection.Text(names));
  ::win32::UniqueGlobal record = BlockOf(selection.Encode());
  if (!text || !EmptyClipboard() || !Put(CF_UNICODETEXT, std::move(text))) return false;
  Put(format, std::move(record));
  const DWORD no = 0;
  if (write == Write::kPartial) {
    for (const wchar_t* name : kPartialFormats) {
      Put(RegisterClipboardFormatW(name), BlockOf(&no, sizeof no));
    }
  }
  return true;
}

std::uint64_t TicksOf(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

std::uint64_t CurrentTime() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return TicksOf(now);
}

}  // namespace companion::win32
