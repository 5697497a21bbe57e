// The settings file beside the program, read through the platform's profile reader.
#pragma once

#include <string>
#include <string_view>

#include "platform/System.h"

namespace Mod_ini {

// The program's directory, a backslash if needed, the executable's base name and ".ini".
std::wstring IniFilePath(const platform::System& sys);
// One value of the settings file (or the default when the file, section or key is missing),
// cut to its longest start that takes at most 127 bytes in the system's 8-bit code page.
std::wstring GetIniString(platform::System& sys, std::wstring_view file, std::wstring_view section,
                          std::wstring_view key, std::wstring_view defaultValue);

}  // namespace Mod_ini
