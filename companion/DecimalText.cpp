#include "companion/DecimalText.h"

namespace companion {

std::wstring DecimalText(std::uint64_t value, std::size_t width) {
  std::wstring digits;
  do {
    digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + value % 10));
    value /= 10;
  } while (value != 0);
  if (digits.size() < width) digits.insert(0, width - digits.size(), L'0');
  return digits;
}

bool ReadDecimal(const std::wstring& text, std::uint64_t* value) {
  if (text.empty()) return false;
  *value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
    const std::uint64_t digit = static_cast<std::uint64_t>(c - L'0');
    if (*value > (UINT64_MAX - digit) / 10) return false;
    *value = *value * 10 + digit;
  }
  return true;
}

}  // namespace companion
