// The installer's verb keys under HKEY_CLASSES_ROOT, read and prepared by the driver itself
// (it runs in the same Wine prefix as the installer), in the registry view that 64-bit
// Explorer reads, whichever the driver's own.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

enum class VerbRoot { Files, Folders };
inline constexpr VerbRoot kVerbRoots[] = {VerbRoot::Files, VerbRoot::Folders};
inline constexpr int kEntryCount = 5;
// Added to the access of every open and create of the driver under HKEY_CLASSES_ROOT.
inline constexpr REGSAM kExplorerView = KEY_WOW64_64KEY;

// "*\shell\Vantrel<n>" or "Folder\shell\Vantrel<n>".
std::wstring VerbKeyPath(VerbRoot root, int entry);
std::wstring CommandKeyPath(VerbRoot root, int entry);

// The command line an install from appDir (ending in a backslash) writes for entry: the
// quoted companion path with every '%' doubled, the entry number and the quoted placeholder.
std::wstring CommandValue(const std::wstring& appDir, int entry);

bool ClassesKeyExists(const std::wstring& path);
// The key's default value when it is a REG_SZ, else nothing.
std::optional<std::wstring> DefaultText(const std::wstring& path);
// True when the key would survive a restart: the registry refuses a lasting sub-key under a
// volatile key, so a lasting probe key is created under it and removed again.
bool IsNonVolatile(const std::wstring& path);
// Removes the key with everything under it.
void RemoveClassesTree(const std::wstring& path);
// Removes all ten verb keys with everything under them; true when none is left.
bool RemoveAllVerbs();
// Registers a verb the way an earlier install would have left it.
bool WriteVerb(VerbRoot root, int entry, const std::wstring& title, const std::wstring& command);

// The logical DPI that new processes of this prefix start with.
bool SetDesktopLogPixels(DWORD dpi);

}  // namespace e2e
