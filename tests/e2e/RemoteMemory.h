// A block of memory inside another process, for the control messages whose structures the
// system does not copy across processes (the list view's LVM_* messages).
#pragma once

#include <windows.h>

#include <cstddef>

namespace e2e {

class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, size_t size);
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  ~RemoteMemory();

  bool ok() const { return address_ != nullptr; }
  // The block's address as the other process sees it, offset bytes in.
  LPARAM At(size_t offset = 0) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
  }
  bool Write(size_t offset, const void* data, size_t size);
  bool Read(size_t offset, void* data, size_t size) const;

 private:
  HANDLE process_;
  void* address_;
  size_t size_;
};

}  // namespace e2e
