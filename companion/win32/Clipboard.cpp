#include "companion/win32/Clipboard.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/Handles.h"

namespace companion::win32 {
namespace {

bool CopyInto(HGLOBAL block, const std::wstring& text) {
  const ::win32::ScopedGlobalLock locked(block);
  if (locked.data() == nullptr) return false;
  std::memcpy(locked.data(), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  return true;
}

}  // namespace

bool PutUnicodeText(const std::wstring& text) {
  ::win32::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)));
  if (!block || !CopyInto(block.get(), text)) return false;

  // A hidden message-only window owns the clipboard: with no owner, EmptyClipboard leaves the
  // clipboard ownerless and SetClipboardData may then refuse the data.
  const ::win32::UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                                    nullptr, GetModuleHandleW(nullptr), nullptr));
  const ::win32::ScopedClipboard clipboard(owner.get());
  if (!clipboard.open() || !EmptyClipboard()) return false;
  if (SetClipboardData(CF_UNICODETEXT, block.get()) == nullptr) return false;
  static_cast<void>(block.release());  // the clipboard owns the memory now
  return true;
}

}  // namespace companion::win32
