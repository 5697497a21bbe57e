#include "bench/probe/Verbs.h"

#include <windows.h>

#include <string>

namespace probe {

namespace {

template <typename Visit>
void ForEachVerbKey(Visit visit) {
  for (const wchar_t* root : {L"*", L"Folder"}) {
    for (wchar_t entry = L'1'; entry <= L'5'; ++entry) {
      visit(std::wstring(root) + L"\\shell\\Vantrel" + entry);
    }
  }
}

}  // namespace

int CountInstalledVerbs() {
  int count = 0;
  ForEachVerbKey([&count](const std::wstring& verb) {
    HKEY key = nullptr;
    const std::wstring command = verb + L"\\command";
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, command.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
      RegCloseKey(key);
      ++count;
    }
  });
  return count;
}

void RemoveVerbs() {
  ForEachVerbKey([](const std::wstring& verb) { RegDeleteTreeW(HKEY_CLASSES_ROOT, verb.c_str()); });
}

}  // namespace probe
