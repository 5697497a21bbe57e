// Text helpers of the dialog.
#pragma once

#include <string>
#include <string_view>

// The path with "\" appended when its last character is not "\".
std::wstring AddBackslash(std::wstring_view path);

// Expands \\ (backslash), \n (CR LF), \w (double quote), \t (tab) and \s (space); any other
// backslash sequence is kept as it is.
std::wstring ExpandEscapes(std::wstring_view text);
