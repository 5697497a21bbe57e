// The names the setup works with: the files beside the program, the settings it reads and the
// registry keys it writes. None of them is shown to the user as a sentence.
#pragma once

namespace names {

// File names beside the program.
inline constexpr wchar_t kCompanionProgram[] = L"Vantrel.Dll";
inline constexpr wchar_t kHelpFile[] = L"Vantrel.hlp";

// Settings and registry names.
inline constexpr wchar_t kMenuSection[] = L"Menu";
inline constexpr wchar_t kTitleKey[] = L"Title";
inline constexpr wchar_t kVerbPrefix[] = L"Vantrel";
inline constexpr wchar_t kFilesRoot[] = L"*";
inline constexpr wchar_t kFoldersRoot[] = L"Folder";
inline constexpr wchar_t kShellKey[] = L"\\shell\\";
inline constexpr wchar_t kCommandKey[] = L"\\command";

}  // namespace names
