#include "companion/win32/Clipboard.h"

#include <cstring>
#include <utility>

namespace companion::win32 {

::win32::UniqueGlobal BlockOf(const void* data, SIZE_T bytes) {
  ::win32::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!block) return block;
  const ::win32::ScopedGlobalLock locked(block.get());
  if (locked.data() == nullptr) return ::win32::UniqueGlobal();
  std::memcpy(locked.data(), data, bytes);
  return block;
}

::win32::UniqueGlobal BlockOf(const std::wstring& text) {
  return BlockOf(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

bool Put(UINT format, ::win32::UniqueGlobal block) {
  if (format == 0 || !block || SetClipboardData(format, block.get()) == nullptr) return false;
  static_cast<void>(block.release());  // The clipboard owns it now.
  return true;
}

bool PutUnicodeText(const std::wstring& text) {
  ::win32::UniqueGlobal block = BlockOf(text);
  if (!block) return false;

  // A hidden message-only window owns the clipboard: with no owner, EmptyClipboard leaves the
  // clipboard ownerless and SetClipboardData may then refuse the data.
  const ::win32::UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                                    nullptr, GetModuleHandleW(nullptr), nullptr));
  const ::win32::ScopedClipboard clipboard(owner.get());
  return clipboard.open() && EmptyClipboard() && Put(CF_UNICODETEXT, std::move(block));
}

}  // namespace companion::win32
