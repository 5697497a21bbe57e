// Owning wrappers for every kind of Win32 handle the programs and their Windows-side tests
// hold: each handle is released by the scope that took it, in one way, whatever path leaves
// that scope. A std::unique_ptr with one deleter per kind; the few resources that are a pairing
// rather than a handle (a DC taken with GetDC, a selected object, a paint, a locked block, the
// open clipboard) have a small scoped class each.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace win32 {

namespace detail {

// Calls the Win32 function that releases a handle of one kind.
template <auto Release>
struct Releaser {
  template <typename Handle>
  void operator()(Handle handle) const {
    Release(handle);
  }
};

template <typename Handle, auto Release>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, Releaser<Release>>;

}  // namespace detail

// Kernel objects: processes, threads, files, mutexes, events. Functions that report failure
// as INVALID_HANDLE_VALUE (CreateFile) go through FromInvalid, so that an empty wrapper always
// means "no handle".
using UniqueHandle = detail::Owned<HANDLE, &CloseHandle>;
using UniqueKey = detail::Owned<HKEY, &RegCloseKey>;
using UniqueWindow = detail::Owned<HWND, &DestroyWindow>;
using UniqueGdiObject = detail::Owned<HGDIOBJ, &DeleteObject>;
using UniqueFont = detail::Owned<HFONT, &DeleteObject>;
using UniqueBitmap = detail::Owned<HBITMAP, &DeleteObject>;
using UniqueBrush = detail::Owned<HBRUSH, &DeleteObject>;
using UniqueMenu = detail::Owned<HMENU, &DestroyMenu>;
// A DLL loaded with LoadLibrary.
using UniqueModule = detail::Owned<HMODULE, &FreeLibrary>;
// A memory DC from CreateCompatibleDC (not one taken with GetDC: see ScopedGetDC).
using UniqueMemoryDC = detail::Owned<HDC, &DeleteDC>;
// FindFirstFile searches; build with FromInvalid.
using UniqueFind = detail::Owned<HANDLE, &FindClose>;
// Memory from GlobalAlloc; release() hands it to whoever takes it over (the clipboard).
using UniqueGlobal = detail::Owned<HGLOBAL, &GlobalFree>;
// Memory the system allocated for the caller with LocalAlloc (security descriptors, messages).
using UniqueLocal = detail::Owned<HLOCAL, &LocalFree>;

// nullptr for INVALID_HANDLE_VALUE, the handle otherwise.
inline HANDLE FromInvalid(HANDLE handle) {
  return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

// A window's (or the screen's, for nullptr) device context from GetDC.
class ScopedGetDC {
 public:
  explicit ScopedGetDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;
  ~ScopedGetDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class ScopedPaint {
 public:
  explicit ScopedPaint(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  ~ScopedPaint() { EndPaint(window_, &paint_); }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a DC, the previous one put back at the end of the scope.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object)
      : dc_(dc),
        previous_(dc != nullptr && object != nullptr ? SelectObject(dc, object) : nullptr) {}
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
  ~ScopedSelectObject() {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A movable global block locked for writing; data() is nullptr when the lock failed.
class ScopedGlobalLock {
 public:
  explicit ScopedGlobalLock(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
  ScopedGlobalLock(const ScopedGlobalLock&) = delete;
  ScopedGlobalLock& operator=(const ScopedGlobalLock&) = delete;
  ~ScopedGlobalLock() {
    if (data_ != nullptr) GlobalUnlock(block_);
  }
  void* data() const { return data_; }

 private:
  HGLOBAL block_;
  void* data_;
};

// The clipboard opened for `owner` (nullptr to read only), closed at the end of the scope.
// Another program (a clipboard viewer, a writer between its open and close) may hold it for a
// moment, so a refused open is tried again every `pauseMs` for about a second.
class ScopedClipboard {
 public:
  struct OneTry {};

  explicit ScopedClipboard(HWND owner, DWORD pauseMs = 20) {
    const DWORD start = GetTickCount();
    while (!(open_ = OpenClipboard(owner) != FALSE) && GetTickCount() - start < 1000) {
      Sleep(pauseMs);
    }
  }
  // One try, for a caller that waits itself between tries and answers its messages meanwhile.
  ScopedClipboard(HWND owner, OneTry) : open_(OpenClipboard(owner) != FALSE) {}
  ScopedClipboard(const ScopedClipboard&) = delete;
  ScopedClipboard& operator=(const ScopedClipboard&) = delete;
  ~ScopedClipboard() {
    if (open_) CloseClipboard();
  }
  bool open() const { return open_; }

 private:
  bool open_ = false;
};

}  // namespace win32
