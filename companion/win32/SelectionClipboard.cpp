#include "companion/win32/SelectionClipboard.h"

#include <cstring>
#include <string>

#include "platform/win32/Handles.h"

namespace companion::win32 {
namespace {

// Registering a name again gives the same number. Not kept in a function-local static: its
// thread-safe initialisation would bring the C++ library's exception support into the program.
UINT SelectionFormat() {
  return RegisterClipboardFormatW(L"Vantrel.Selection");
}

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

::win32::UniqueGlobal BlockOf(const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  ::win32::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!block) return block;
  ::win32::ScopedGlobalLock locked(block.get());
  if (locked.data() == nullptr) return ::win32::UniqueGlobal();
  std::memcpy(locked.data(), text.c_str(), bytes);
  return block;
}

}  // namespace

bool PublishSelection(HWND owner, Selection& selection, ItemQueries& names) {
  const UINT format = SelectionFormat();
  const ::win32::ScopedClipboard clipboard(owner);
  if (!clipboard.open()) return false;
  Selection earlier(selection.entry());
  if (format != 0 && IsClipboardFormatAvailable(format) &&
      Selection::Decode(TextOfBlock(GetClipboardData(format)), CurrentTime(), &earlier)) {
    selection.Join(earlier);
  }
  ::win32::UniqueGlobal text = BlockOf(selection.Text(names));
  ::win32::UniqueGlobal record = BlockOf(selection.Encode());
  const bool written =
      text && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, text.get()) != nullptr;
  if (written) {
    static_cast<void>(text.release());  // The clipboard owns it now.
    if (record && format != 0 && SetClipboardData(format, record.get()) != nullptr) {
      static_cast<void>(record.release());
    }
  }
  return written;
}

std::uint64_t CurrentTime() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

}  // namespace companion::win32
