#include "dialog/Entries.h"

#include "dialog/Names.h"
#include "support/NumberText.h"

namespace entries {

std::wstring SectionName(int entry) {
  return names::kMenuSection + NumberText::Decimal(entry);
}

std::wstring VerbKeyPath(Root root, int entry) {
  const wchar_t* rootName = root == Root::Files ? names::kFilesRoot : names::kFoldersRoot;
  return rootName + std::wstring(names::kShellKey) + names::kVerbPrefix +
         NumberText::Decimal(entry);
}

std::wstring CommandKeyPath(Root root, int entry) {
  return VerbKeyPath(root, entry) + names::kCommandKey;
}

std::wstring CommandLine(const std::wstring& appDir, int entry) {
  // The program path is quoted: unquoted, a directory with a space in its name would make the
  // shell look for a different program. The shell reads '%' in a command as the start of a
  // placeholder, and "%%" as one '%', so a '%' in the directory name is doubled.
  std::wstring program;
  for (wchar_t c : appDir + names::kCompanionProgram) {
    program += c;
    if (c == L'%') program += L'%';
  }
  return L"\"" + program + L"\" " + NumberText::Decimal(entry) + L" \"%1\"";
}

}  // namespace entries
