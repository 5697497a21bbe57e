#include "companion/win32/Clipboard.h"

#include <windows.h>

#include <cstring>

namespace companion::win32 {
namespace {

// A hidden message-only window to own the clipboard: with no owner, EmptyClipboard leaves
// the clipboard ownerless and SetClipboardData may then refuse the data.
class OwnerWindow {
 public:
  OwnerWindow()
      : window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr)) {}
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  ~OwnerWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
  }
  HWND get() const { return window_; }

 private:
  HWND window_;
};

class OpenedClipboard {
 public:
  // Another program (a clipboard viewer, say) may hold the clipboard for a moment, so a
  // refused open is tried again for about a second before giving up.
  explicit OpenedClipboard(HWND owner) {
    for (int attempt = 0; attempt < 50 && !open_; ++attempt) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(20);
    }
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  bool open() const { return open_; }

 private:
  bool open_ = false;
};

// Movable global memory, freed unless the clipboard took it over.
class GlobalBlock {
 public:
  explicit GlobalBlock(SIZE_T bytes) : block_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;
  ~GlobalBlock() {
    if (block_ != nullptr) GlobalFree(block_);
  }
  HGLOBAL get() const { return block_; }
  void HandOver() { block_ = nullptr; }

 private:
  HGLOBAL block_;
};

class LockedBlock {
 public:
  explicit LockedBlock(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
  LockedBlock(const LockedBlock&) = delete;
  LockedBlock& operator=(const LockedBlock&) = delete;
  ~LockedBlock() {
    if (data_ != nullptr) GlobalUnlock(block_);
  }
  void* data() const { return data_; }

 private:
  HGLOBAL block_;
  void* data_;
};

bool CopyInto(const GlobalBlock& block, const std::wstring& text) {
  LockedBlock locked(block.get());
  if (locked.data() == nullptr) return false;
  std::memcpy(locked.data(), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  return true;
}

}  // namespace

bool PutUnicodeText(const std::wstring& text) {
  GlobalBlock block((text.size() + 1) * sizeof(wchar_t));
  if (block.get() == nullptr || !CopyInto(block, text)) return false;

  OwnerWindow owner;
  OpenedClipboard clipboard(owner.get());
  if (!clipboard.open() || !EmptyClipboard()) return false;
  if (SetClipboardData(CF_UNICODETEXT, block.get()) == nullptr) return false;
  block.HandOver();
  return true;
}

}  // namespace companion::win32
