#include "WindowLookup.h"

#include "Polling.h"

namespace e2e {

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256] = L"";
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &length))
    return L"";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied))
    return L"";
  text.resize(copied <= length ? copied : length);
  return text;
}

namespace {

struct WindowsOfProcess {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowOfProcess(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowsOfProcess*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId) search->found.push_back(window);
  return TRUE;
}

struct DescendantSearch {
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK StopAtClass(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<DescendantSearch*>(context);
  if (ClassNameOf(window) != search->className) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
  WindowsOfProcess search{processId, {}};
  EnumWindows(CollectWindowOfProcess, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindTopLevel(DWORD processId, const wchar_t* className, const wchar_t* caption,
                  bool visibleOnly) {
  for (HWND window : TopLevelWindowsOf(processId)) {
    if (ClassNameOf(window) != className) continue;
    if (visibleOnly && !IsWindowVisible(window)) continue;
    if (caption != nullptr && TextOf(window) != caption) continue;
    return window;
  }
  return nullptr;
}

HWND WaitForTopLevel(DWORD processId, const wchar_t* className, const wchar_t* caption,
                     DWORD timeoutMs) {
  return PollUntil(timeoutMs, [&] { return FindTopLevel(processId, className, caption, true); });
}

HWND FindDescendant(HWND parent, const wchar_t* className) {
  DescendantSearch search{className, nullptr};
  EnumChildWindows(parent, StopAtClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

RECT RectInClientOf(HWND window, HWND container) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, container, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

SIZE ClientSizeOf(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

LONG_PTR StyleOf(HWND window) {
  return GetWindowLongPtrW(window, GWL_STYLE);
}
LONG_PTR ExStyleOf(HWND window) {
  return GetWindowLongPtrW(window, GWL_EXSTYLE);
}

}  // namespace e2e
