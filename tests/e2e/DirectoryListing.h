// A directory's contents as the driver compares them before and after a run, and the read-only
// attribute that a copy from a CD or a locked-down share brings along.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// One line per entry of dir (ending in a backslash), by name: its attributes, size and last
// write time, so that any file written, added or removed shows.
std::vector<std::wstring> ListDirectory(const std::wstring& dir);

// Sets or clears FILE_ATTRIBUTE_READONLY on dir and on every file in it.
bool MarkReadOnly(const std::wstring& dir, bool readOnly);

// True when every file in dir carries FILE_ATTRIBUTE_READONLY. The directory's own attribute
// is not asked for: Wine drops it on directories (and Windows reads it there as a mark for
// customised folders, not as write protection).
bool FilesReadOnly(const std::wstring& dir);

}  // namespace e2e
