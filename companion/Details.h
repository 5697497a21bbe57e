// The item's details as the companion copies them: one "label: value" line each, joined
// with CR LF so that every Windows editor shows them as separate lines.
#pragma once

#include <cstdint>
#include <string>

#include "companion/ItemFacts.h"

namespace companion {

// Name, full path, kind, size (files only), created, modified and accessed times and the
// attributes, labelled in Japanese. `fullPath` is the long form of the item's path.
std::wstring FormatDetails(const std::wstring& fullPath, const ItemFacts& facts);

// "1,234,567": thousands grouped the way Japanese Windows shows sizes.
std::wstring FormatByteCount(std::uint64_t bytes);
// "2026/12/07 13:45:10", or "不明" (unknown) for a time the file system does not keep.
std::wstring FormatLocalTime(const LocalTime& time);
// The set attributes by name, separated by ", "; "なし" (none) when no listed one is set.
// The directory bit is left out: the kind line already says so.
std::wstring FormatAttributes(std::uint32_t attributes);

}  // namespace companion
