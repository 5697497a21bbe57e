#include "support/ModReg.h"

#include <type_traits>

#include "platform/Utf16Le.h"
#include "support/KeyHandle.h"
#include "support/NumberText.h"

namespace ModReg {
namespace {

// The options word for created keys. 0 keeps them on disk: the volatile option (1) would let
// a registration vanish at the next restart while the setup reported success.
constexpr std::uint32_t kCreateNonVolatile = 0;

// Every open and create: full access, in the registry view that 64-bit Explorer reads its verbs
// from, which the 32-bit release would not reach by itself. Windows 7 and later share the "*"
// and "Folder" keys between the views; Vista copied ("reflected") keys between them only by
// rules of its own, and a "Wow6432Node\*" key sends a 32-bit program's writes there instead.
// The delete removes the key it opened, in that view, and the start-up probe reads it too.
constexpr std::uint32_t kVerbKeyAccess = platform::kKeyAllAccess | platform::kKeyWow64_64Key;

struct RawValue {
  std::uint32_t type;
  std::vector<std::uint8_t> bytes;
};

// REG_SZ data: the text in UTF-16LE and its terminating NUL.
RawValue TextValue(std::wstring_view text) {
  RawValue raw{platform::kRegSz, platform::Utf16LeBytes(text)};
  raw.bytes.insert(raw.bytes.end(), {0, 0});
  return raw;
}

RawValue DwordValue(std::int32_t number) {
  const auto bits = static_cast<std::uint32_t>(number);
  return {platform::kRegDword,
          {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
           static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)}};
}

RawValue Encode(const Value& value) {
  return std::visit(
      [&](const auto& v) -> RawValue {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::wstring>) {
          return TextValue(v);
        } else if constexpr (std::is_same_v<T, bool>) {
          return DwordValue(v ? -1 : 0);
        } else if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::int32_t>) {
          return DwordValue(v);
        } else if constexpr (std::is_same_v<T, std::vector<std::uint8_t>>) {
          return {platform::kRegBinary, v};
        } else {
          return TextValue(NumberText::General(v));
        }
      },
      value);
}

// Opens the key with full access into `key`, which then closes it; the open's status.
platform::Status OpenFullAccess(platform::System& sys, RootKey root, std::wstring_view path,
                                ScopedKey& key) {
  const platform::Status opened = sys.registry.OpenKeyEx(
      platform::RootKeyHandle(root), std::wstring(path).c_str(), 0, kVerbKeyAccess, key.Receive());
  if (opened != platform::kSuccess) key.Abandon();
  return opened;
}

}  // namespace

bool KeyExists(platform::System& sys, RootKey root, std::wstring_view path) {
  ScopedKey key(sys.registry);
  if (OpenFullAccess(sys, root, path, key) != platform::kSuccess) return false;
  key.Close();  // the close's result does not change the answer
  return true;
}

bool SetKeyValue(platform::System& sys, RootKey root, std::wstring_view path,
                 std::wstring_view name, const Value& value) {
  ScopedKey key(sys.registry);
  if (sys.registry.CreateKeyEx(platform::RootKeyHandle(root), std::wstring(path).c_str(), 0, L"",
                               kCreateNonVolatile, kVerbKeyAccess,
                               key.Receive()) != platform::kSuccess) {
    key.Abandon();
    return false;
  }
  const RawValue raw = Encode(value);
  bool written =
      sys.registry.SetValueEx(key.get(), std::wstring(name).c_str(), 0, raw.type,
                              raw.bytes.empty() ? nullptr : raw.bytes.data(),
                              static_cast<std::uint32_t>(raw.bytes.size())) == platform::kSuccess;
  if (key.Close() != platform::kSuccess) written = false;
  return written;
}

bool DeleteKey(platform::System& sys, RootKey root, std::wstring_view path) {
  ScopedKey key(sys.registry);
  if (OpenFullAccess(sys, root, path, key) != platform::kSuccess) return false;
  // An empty sub-key name deletes the opened key itself.
  bool deleted = sys.registry.DeleteKey(key.get(), L"") == platform::kSuccess;
  if (key.Close() != platform::kSuccess) deleted = false;
  return deleted;
}

bool KeyAbsent(platform::System& sys, RootKey root, std::wstring_view path) {
  ScopedKey key(sys.registry);
  return OpenFullAccess(sys, root, path, key) == platform::kErrorFileNotFound;
}

std::wstring TrimNull(std::wstring_view text) {
  return std::wstring(text.substr(0, text.find(L'\0')));
}

}  // namespace ModReg
