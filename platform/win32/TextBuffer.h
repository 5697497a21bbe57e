// Text from Win32 calls that fill a caller's buffer and say, one way or another, when it was too
// small: GetModuleFileName, GetFullPathName, GetLongPathName, LVM_GETITEMTEXT and the like.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <string>

namespace win32 {

// Calls `call(buffer, capacity)` with a growing buffer until the text fits. The call returns
// the number of characters it wrote without the terminating NUL, or any count of at least
// capacity - 1 when the text may not have fitted (a cut text, or the size it needs); 0 when it
// failed, which gives an empty text. A text that fills the buffer exactly is read again into a
// larger one, so a cut is never mistaken for the whole.
template <typename Call>
std::wstring TextFromCall(Call call, std::size_t capacity = MAX_PATH) {
  // Far beyond the longest path Windows takes (32,767 characters).
  constexpr std::size_t kLargestBuffer = std::size_t{1} << 17;
  std::wstring buffer;
  while (capacity <= kLargestBuffer) {
    buffer.assign(capacity, L'\0');
    const std::size_t length = call(buffer.data(), capacity);
    if (length + 1 < capacity) {
      buffer.resize(length);
      return buffer;
    }
    capacity = std::max(capacity * 2, length + 1);
  }
  return std::wstring();
}

}  // namespace win32
