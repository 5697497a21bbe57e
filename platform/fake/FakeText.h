// The text forms the fakes meet: the platform hands them wide text and UTF-16LE registry data,
// while their seeding and inspection speak UTF-8, as the tests write it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fake {

std::string Utf8(std::wstring_view text);
// A stray or cut-off byte becomes '?'.
std::wstring FromUtf8(std::string_view bytes);
std::vector<std::uint8_t> Utf16Le(std::wstring_view text);
// An odd last byte is dropped.
std::wstring FromUtf16Le(const std::uint8_t* data, std::size_t size);

}  // namespace fake
