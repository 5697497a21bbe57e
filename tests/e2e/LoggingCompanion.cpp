// Stands in for the companion program Vantrel.Dll in the end-to-end tests: it appends the
// command line it was started with to companion.log beside itself, so a test can see exactly
// what the shell passed, and ends.
#include <windows.h>

#include <string>

namespace {

std::wstring LogPathBesideSelf() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  // Wine names a program started from a share "UNC\host\share\...": the log belongs on the share.
  if (path.compare(0, 4, L"UNC\\") == 0) path.replace(0, 4, L"\\\\");
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"companion.log";
}

std::string ToUtf8(const std::wstring& text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length,
                      nullptr, nullptr);
  return bytes;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::string line = ToUtf8(GetCommandLineW()) + "\r\n";
  // FILE_APPEND_DATA alone makes every write land at the end, even with several writers.
  HANDLE log =
      CreateFileW(LogPathBesideSelf().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok = WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(log);
  return ok && written == line.size() ? 0 : 1;
}
