// An in-memory registry below HKEY_CLASSES_ROOT that records every call made of it, checks what
// it is given, and fails on demand. Key names compare without regard to ASCII case. Seeding,
// inspection and the record of calls give names and texts in UTF-8; REG_SZ data is held as the
// program wrote it, UTF-16LE.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace fake {

class FakeRegistry : public platform::Registry {
 public:
  // What a delete does with a key that still has sub-keys.
  enum class DeleteBehaviour {
    TakesSubKeys,    // the Windows 95/98/Me family
    RefusesSubKeys,  // the NT family (and Wine)
  };
  enum class Op { Open, Create, Set, Delete, Close };

  struct Value {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
  };

  explicit FakeRegistry(DeleteBehaviour behaviour = DeleteBehaviour::RefusesSubKeys);

  // Seeding and inspection; paths are below HKEY_CLASSES_ROOT.
  void AddKey(const std::string& path);
  void SetString(const std::string& path, const std::string& name, const std::string& text);
  bool HasKey(const std::string& path) const;
  // A REG_SZ value's text without its terminator; nothing when absent or of another type.
  std::optional<std::string> StringValue(const std::string& path, const std::string& name) const;
  std::optional<Value> RawValue(const std::string& path, const std::string& name) const;
  std::vector<std::string> KeysBelow(const std::string& path) const;
  // The key exists, but opening or creating it with write access is refused.
  void DenyFullAccess(const std::string& path);

  // Fails the n-th call (1-based, counting every operation) with ERROR_ACCESS_DENIED. An open
  // of a key that does not exist still reports it missing: a missing key is never "denied".
  void FailCall(int n);
  // Fails every call of this kind on this key.
  void FailOn(Op op, const std::string& path);

  // One line per call, e.g. `open "*\shell\Vantrel1" options=0 access=0xF013F -> 0`.
  const std::vector<std::string>& calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  int callCount() const { return callCount_; }
  // Misuse seen: a REG_SZ without its wide terminator (or of an odd size), a size that does not
  // fit the type, an unknown handle, a handle never closed (see OpenHandles).
  const std::vector<std::string>& faults() const { return faults_; }
  int OpenHandles() const { return static_cast<int>(handles_.size()); }
  // Which kinds of call changed the registry after the first injected failure.
  std::vector<std::string> ChangesAfterFailure() const { return changesAfterFailure_; }

  platform::Status OpenKeyEx(platform::KeyHandle parent, const wchar_t* subKey,
                             std::uint32_t options, std::uint32_t access,
                             platform::KeyHandle* result) override;
  platform::Status CreateKeyEx(platform::KeyHandle parent, const wchar_t* subKey,
                               std::uint32_t reserved, const wchar_t* keyClass,
                               std::uint32_t options, std::uint32_t access,
                               platform::KeyHandle* result) override;
  platform::Status SetValueEx(platform::KeyHandle key, const wchar_t* valueName,
                              std::uint32_t reserved, std::uint32_t type, const std::uint8_t* data,
                              std::uint32_t size) override;
  platform::Status DeleteKey(platform::KeyHandle key, const wchar_t* subKey) override;
  platform::Status CloseKey(platform::KeyHandle key) override;

 private:
  struct Key {
    std::string name;                     // as first written
    std::map<std::string, Value> values;  // by lower-case name
    std::uint32_t options = 0;
  };

  std::optional<std::string> PathOf(platform::KeyHandle handle) const;
  static std::string Join(const std::string& parent, const std::string& sub);
  bool Injected(Op op, const std::string& path);
  bool HasSubKeys(const std::string& lowerPath) const;
  void Record(const std::string& line, platform::Status status);
  void NoteChange(const std::string& what);
  platform::KeyHandle NewHandle(const std::string& path);

  DeleteBehaviour behaviour_;
  std::map<std::string, Key> keys_;                     // by lower-case full path; "" is the root
  std::map<platform::KeyHandle, std::string> handles_;  // the path each handle was opened as
  std::set<std::string> denied_;
  std::set<int> failCalls_;
  std::set<std::pair<Op, std::string>> failOn_;
  std::vector<std::string> calls_;
  std::vector<std::string> faults_;
  std::vector<std::string> changesAfterFailure_;
  bool failed_ = false;
  int callCount_ = 0;
  platform::KeyHandle nextHandle_ = 0x1000;
};

}  // namespace fake
