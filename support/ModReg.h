// Registry helpers: each opens its own key, does one job, closes the key and reports success.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/System.h"

namespace ModReg {

// Root keys are 32-bit values chosen by the caller.
using RootKey = std::uint32_t;
constexpr RootKey kClassesRoot = 0x80000000;

// A value to write. Text is written as REG_SZ; the integer kinds and Boolean as REG_DWORD
// (Boolean true as 0xFFFFFFFF); bytes as REG_BINARY; any other scalar as its text.
using Value =
    std::variant<std::wstring, std::int16_t, std::int32_t, bool, std::vector<std::uint8_t>, double>;

// True when the key can be opened with full access.
bool KeyExists(platform::System& sys, RootKey root, std::wstring_view path);
// Creates the key (and any missing parents) and writes one value; an empty name is the
// key's default value. True when the write and the close both succeeded.
bool SetKeyValue(platform::System& sys, RootKey root, std::wstring_view path,
                 std::wstring_view name, const Value& value);
// Deletes the key itself with a single delete call, whatever the platform does about
// sub-keys. True when the delete and the close both succeeded.
bool DeleteKey(platform::System& sys, RootKey root, std::wstring_view path);
// True only when the platform reports that the key does not exist. A key that exists but
// cannot be opened with full access is not absent.
bool KeyAbsent(platform::System& sys, RootKey root, std::wstring_view path);
// The text before the first NUL character.
std::wstring TrimNull(std::wstring_view text);

}  // namespace ModReg
