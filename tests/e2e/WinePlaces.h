// Places that Windows would find on other machines and disks, made inside the Wine prefix:
// a network share and a drive letter of its own.
#pragma once

#include <string>

namespace e2e {

// False when the driver does not run under Wine (no WINEPREFIX): the places cannot be made.
bool UnderWine();

// Makes \\host\share reachable: Wine serves it from dosdevices\unc\host\share of its prefix.
bool ServeShare(const std::wstring& host, const std::wstring& share, std::wstring* error);

// Maps letter: to the folder C:\folder (an ASCII name), creating the folder. A drive is a
// symbolic link dosdevices\<letter>: of the prefix; Windows programs cannot make one under
// Wine, so the host's ln makes it (Wine starts host programs like its own).
bool MapDrive(wchar_t letter, const std::string& folder, std::wstring* error);

// Makes C:\link (one level) a symbolic link to the folder C:\target, creating the folder: under
// Wine it reads as a reparse point, as a junction or symbolic link does on Windows.
bool LinkFolder(const std::wstring& link, const std::wstring& target, std::wstring* error);

}  // namespace e2e
