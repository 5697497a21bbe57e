#include "platform/fake/FakeRegistry.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/Utf16Le.h"
#include "platform/fake/AsciiLower.h"
#include "platform/fake/FakeText.h"

namespace fake {
namespace {

constexpr platform::Status kInvalidHandle = 6;
constexpr platform::Status kKeyDeleted = 1018;
constexpr std::uint32_t kWriteAccess = 0x0006;  // KEY_SET_VALUE | KEY_CREATE_SUB_KEY
const platform::KeyHandle kClassesRoot = platform::RootKeyHandle(0x80000000);

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
  return text;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// A name the program passed, in UTF-8; none is the empty name.
std::string Name(const wchar_t* name) {
  return name ? Utf8(name) : std::string();
}

// REG_SZ data is UTF-16LE; its terminating NUL (two zero bytes) is not part of the text.
bool Terminated(const std::uint8_t* data, std::uint32_t size) {
  return data && size >= 2 && size % 2 == 0 && data[size - 2] == 0 && data[size - 1] == 0;
}

std::string TextOf(const std::uint8_t* data, std::uint32_t size) {
  return Utf8(FromUtf16Le(data, Terminated(data, size) ? size - 2 : size));
}

}  // namespace

FakeRegistry::FakeRegistry(DeleteBehaviour behaviour) : behaviour_(behaviour) {
  keys_[""] = {};
}

std::string FakeRegistry::Join(const std::string& parent, const std::string& sub) {
  std::string child = sub;
  while (!child.empty() && child.back() == '\\') child.pop_back();
  if (child.empty()) return parent;
  return parent.empty() ? child : parent + "\\" + child;
}

void FakeRegistry::AddKey(const std::string& path) {
  std::string sofar;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('\\', start), path.size());
    sofar = Join(sofar, path.substr(start, end - start));
    Key& key = keys_[AsciiLower(sofar)];
    if (key.name.empty()) key.name = sofar;
    start = end + 1;
  }
}

void FakeRegistry::SetString(const std::string& path, const std::string& name,
                             const std::string& text) {
  AddKey(path);
  Value value{platform::kRegSz, platform::Utf16LeBytes(FromUtf8(text))};
  value.data.insert(value.data.end(), {0, 0});
  keys_[AsciiLower(path)].values[AsciiLower(name)] = value;
}

bool FakeRegistry::HasKey(const std::string& path) const {
  return keys_.count(AsciiLower(path)) != 0;
}

std::optional<FakeRegistry::Value> FakeRegistry::RawValue(const std::string& path,
                                                          const std::string& name) const {
  const auto key = keys_.find(AsciiLower(path));
  if (key == keys_.end()) return std::nullopt;
  const auto value = key->second.values.find(AsciiLower(name));
  if (value == key->second.values.end()) return std::nullopt;
  return value->second;
}

std::optional<std::string> FakeRegistry::StringValue(const std::string& path,
                                                     const std::string& name) const {
  const auto value = RawValue(path, name);
  if (!value || value->type != platform::kRegSz ||
      !Terminated(value->data.data(), static_cast<std::uint32_t>(value->data.size())))
    return std::nullopt;
  return TextOf(value->data.data(), static_cast<std::uint32_t>(value->data.size()));
}

std::vector<std::string> FakeRegistry::KeysBelow(const std::string& path) const {
  const std::string prefix = AsciiLower(path) + "\\";
  std::vector<std::string> found;
  for (const auto& [lowerPath, key] : keys_) {
    if (lowerPath.compare(0, prefix.size(), prefix) == 0) found.push_back(key.name);
  }
  return found;
}

void FakeRegistry::DenyFullAccess(const std::string& path) {
  AddKey(path);
  denied_.insert(AsciiLower(path));
}

void FakeRegistry::FailCall(int n) {
  failCalls_.insert(n);
}

void FakeRegistry::FailOn(Op op, const std::string& path) {
  failOn_.insert({op, AsciiLower(path)});
}

bool FakeRegistry::Injected(Op op, const std::string& lowerPath) {
  const bool fail = failCalls_.count(callCount_) != 0 || failOn_.count({op, lowerPath}) != 0;
  if (fail) failed_ = true;
  return fail;
}

void FakeRegistry::NoteChange(const std::string& what) {
  if (failed_) changesAfterFailure_.push_back(what);
}

bool FakeRegistry::HasSubKeys(const std::string& lowerPath) const {
  const std::string prefix = lowerPath.empty() ? "" : lowerPath + "\\";
  const auto next = keys_.lower_bound(prefix + std::string(1, '\0'));
  return next != keys_.end() && next->first.compare(0, prefix.size(), prefix) == 0 &&
         next->first != lowerPath;
}

std::optional<std::string> FakeRegistry::PathOf(platform::KeyHandle handle) const {
  if (handle == kClassesRoot) return std::string();
  const auto found = handles_.find(handle);
  if (found == handles_.end()) return std::nullopt;
  return found->second;
}

platform::KeyHandle FakeRegistry::NewHandle(const std::string& path) {
  const platform::KeyHandle handle = nextHandle_++;
  handles_[handle] = path;
  return handle;
}

void FakeRegistry::Record(const std::string& line, platform::Status status) {
  calls_.push_back(line + " -> " + std::to_string(status));
}

platform::Status FakeRegistry::OpenKeyEx(platform::KeyHandle parent, const wchar_t* subKey,
                                         std::uint32_t options, std::uint32_t access,
                                         platform::KeyHandle* result) {
  ++callCount_;
  *result = 0;
  const auto parentPath = PathOf(parent);
  const std::string path = parentPath ? Join(*parentPath, Name(subKey)) : std::string();
  const std::string line =
      "open " + Quoted(path) + " options=" + std::to_string(options) + " access=" + Hex(access);
  platform::Status status = platform::kSuccess;
  const std::string lower = AsciiLower(path);
  if (!parentPath) {
    faults_.push_back("open under an unknown handle");
    status = kInvalidHandle;
  } else if (keys_.count(lower) == 0) {
    status = platform::kErrorFileNotFound;  // even when a failure is injected: it is missing
    Injected(Op::Open, lower);
  } else if (Injected(Op::Open, lower) || (denied_.count(lower) && (access & kWriteAccess))) {
    status = platform::kErrorAccessDenied;
  } else {
    *result = NewHandle(path);
  }
  Record(line, status);
  return status;
}

platform::Status FakeRegistry::CreateKeyEx(platform::KeyHandle parent, const wchar_t* subKey,
                                           std::uint32_t reserved, const wchar_t* keyClass,
                                           std::uint32_t options, std::uint32_t access,
                                           platform::KeyHandle* result) {
  ++callCount_;
  *result = 0;
  const auto parentPath = PathOf(parent);
  const std::string path = parentPath ? Join(*parentPath, Name(subKey)) : std::string();
  const std::string line = "create " + Quoted(path) + " reserved=" + std::to_string(reserved) +
                           " class=" + Quoted(keyClass ? Utf8(keyClass) : "(null)") +
                           " options=" + std::to_string(options) + " access=" + Hex(access);
  platform::Status status = platform::kSuccess;
  const std::string lower = AsciiLower(path);
  if (!parentPath) {
    faults_.push_back("create under an unknown handle");
    status = kInvalidHandle;
  } else if (Injected(Op::Create, lower) || denied_.count(lower)) {
    status = platform::kErrorAccessDenied;
  } else {
    if (keys_.count(lower) == 0) NoteChange("create " + path);
    AddKey(path);
    keys_[lower].options = options;
    *result = NewHandle(path);
  }
  Record(line, status);
  return status;
}

platform::Status FakeRegistry::SetValueEx(platform::KeyHandle key, const wchar_t* valueName,
                                          std::uint32_t reserved, std::uint32_t type,
                                          const std::uint8_t* data, std::uint32_t size) {
  ++callCount_;
  const auto path = PathOf(key);
  const std::string name = Name(valueName);
  std::string line = "set " + Quoted(path.value_or("?")) + " name=" + Quoted(name) +
                     " reserved=" + std::to_string(reserved) + " type=" + std::to_string(type) +
                     " size=" + std::to_string(size);
  if (type == platform::kRegSz && data && size > 0) line += " data=" + Quoted(TextOf(data, size));
  platform::Status status = platform::kSuccess;
  if (!path) {
    faults_.push_back("set on an unknown handle");
    status = kInvalidHandle;
  } else if (keys_.count(AsciiLower(*path)) == 0) {
    status = kKeyDeleted;
  } else if (Injected(Op::Set, AsciiLower(*path))) {
    status = platform::kErrorAccessDenied;
  } else {
    if (type == platform::kRegSz && !Terminated(data, size))
      faults_.push_back("REG_SZ written without its terminating wide NUL: " + line);
    if (type == platform::kRegDword && size != 4)
      faults_.push_back("REG_DWORD written with size " + std::to_string(size));
    if (size > 0 && !data) faults_.push_back("data missing for size " + std::to_string(size));
    NoteChange("set " + *path);
    keys_[AsciiLower(*path)].values[AsciiLower(name)] = Value{
        type, data ? std::vector<std::uint8_t>(data, data + size) : std::vector<std::uint8_t>()};
  }
  Record(line, status);
  return status;
}

platform::Status FakeRegistry::DeleteKey(platform::KeyHandle key, const wchar_t* subKey) {
  ++callCount_;
  const auto parentPath = PathOf(key);
  const std::string path = parentPath ? Join(*parentPath, Name(subKey)) : std::string();
  const std::string line = "delete " + Quoted(path) + " sub=" + Quoted(Name(subKey));
  platform::Status status = platform::kSuccess;
  const std::string lower = AsciiLower(path);
  if (!parentPath) {
    faults_.push_back("delete under an unknown handle");
    status = kInvalidHandle;
  } else if (keys_.count(lower) == 0) {
    status = platform::kErrorFileNotFound;
  } else if (Injected(Op::Delete, lower) || lower.empty()) {
    status = platform::kErrorAccessDenied;
  } else if (HasSubKeys(lower) && behaviour_ == DeleteBehaviour::RefusesSubKeys) {
    status = platform::kErrorAccessDenied;
  } else {
    NoteChange("delete " + path);
    const std::string prefix = lower + "\\";
    for (auto it = keys_.begin(); it != keys_.end();) {
      const bool below = it->first == lower || it->first.compare(0, prefix.size(), prefix) == 0;
      it = below ? keys_.erase(it) : std::next(it);
    }
  }
  Record(line, status);
  return status;
}

platform::Status FakeRegistry::CloseKey(platform::KeyHandle key) {
  ++callCount_;
  const auto found = handles_.find(key);
  const std::string path = found == handles_.end() ? "?" : found->second;
  platform::Status status = platform::kSuccess;
  if (found == handles_.end()) {
    faults_.push_back("close of a handle that is not open");
    status = kInvalidHandle;
  } else {
    handles_.erase(found);  // released even when the close reports a failure
    if (Injected(Op::Close, AsciiLower(path))) status = platform::kErrorAccessDenied;
  }
  Record("close " + Quoted(path), status);
  return status;
}

}  // namespace fake
