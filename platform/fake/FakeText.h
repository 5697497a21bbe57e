// The text forms the fakes meet: the platform hands them wide text and UTF-16LE registry data
// (platform/Utf16Le.h writes it), while their seeding and inspection speak UTF-8, as the tests
// write it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fake {

std::string Utf8(std::wstring_view text);
// A stray or cut-off byte becomes '?'.
std::wstring FromUtf8(std::string_view bytes);
// An odd last byte is dropped.
std::wstring FromUtf16Le(const std::uint8_t* data, std::size_t size);

}  // namespace fake
