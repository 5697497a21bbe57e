// Numbers as the companion writes and reads them: its own few lines instead of the C library's
// printf family, which would bring MinGW's formatter into the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace companion {

// The decimal digits of `value`, at least `width` of them (leading zeros fill up).
std::wstring DecimalText(std::uint64_t value, std::size_t width = 1);

// The value of a text of decimal digits alone; false for anything else, the empty text and a
// number past 64 bits included.
bool ReadDecimal(const std::wstring& text, std::uint64_t* value);

}  // namespace companion
