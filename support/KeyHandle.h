// Closes an open registry key when it goes out of scope, unless the close was made explicitly.
#pragma once

#include "platform/Registry.h"

namespace ModReg {

class ScopedKey {
 public:
  explicit ScopedKey(platform::Registry& registry) : registry_(registry) {}
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;
  ~ScopedKey() { Close(); }

  // Where the open or create call stores the handle; marks the key open.
  platform::KeyHandle* Receive() {
    open_ = true;
    return &handle_;
  }
  // Forgets a handle that the failed open or create call did not give.
  void Abandon() { open_ = false; }
  platform::KeyHandle get() const { return handle_; }

  // Returns the close call's status; closing twice closes once.
  platform::Status Close() {
    if (!open_) return platform::kSuccess;
    open_ = false;
    return registry_.CloseKey(handle_);
  }

 private:
  platform::Registry& registry_;
  platform::KeyHandle handle_ = 0;
  bool open_ = false;
};

}  // namespace ModReg
