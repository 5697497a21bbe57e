// Pieces of a Windows path, taken apart as text: the root, the location (the folder that
// holds an item) and the item's name. Both '\' and '/' count as separators.
#pragma once

#include <cstddef>
#include <string>

namespace companion {

// Length of the part that no parent can be taken from:
//   "C:\..." -> "C:\"            "\\server\share\..." -> "\\server\share"
//   "\\?\C:\..." -> "\\?\C:\"    "\\?\UNC\server\share\..." -> "\\?\UNC\server\share"
//   "\..." -> "\"                "C:x" -> "C:"                a relative path -> 0
std::size_t RootLength(const std::wstring& path);

// The path without separators after its last name. A root keeps its own ("C:\" stays).
std::wstring TrimTrailingSeparators(const std::wstring& path);

// The folder that holds the item. A drive or share root has no parent, so it is its own
// location: a copied location is always a place the user can open. Directly under a drive
// the location is the drive root with its backslash ("C:\"); directly under a share it is
// the share without one ("\\server\share").
std::wstring LocationOf(const std::wstring& path);

// The item's own name, the last component; a root is named by itself ("C:\").
std::wstring NameOf(const std::wstring& path);

// The extended-length form ("\\?\C:\...", "\\?\UNC\server\share\...") of an absolute path,
// which the file calls accept beyond MAX_PATH; a path already in that form or not absolute
// is returned as it is. Forward slashes become backslashes: that form takes names literally.
std::wstring ExtendedLengthForm(const std::wstring& fullPath);

// The path as the user writes it, without the extended-length prefix.
std::wstring WithoutExtendedLengthPrefix(const std::wstring& path);

}  // namespace companion
