// A plain stand-in for the file manager's name order, where there is no Windows (the native
// tests' item queries): runs of digits compare as the numbers they write ("写真 2.jpg" before
// "写真 10.jpg") and letters compare without regard to case; everything else by code unit.
// The program itself takes the system's comparison (ItemQueries::CompareNames), whose
// language rules this does not follow ("_a" and "été" sort after "b" and "fête" here).
#pragma once

#include <string>

namespace companion {

// Negative, zero or positive as `a` sorts before, with or after `b`. Names equal but for case
// or leading zeros still get a fixed order from their exact text, so sorting is repeatable.
int CompareLogically(const std::wstring& a, const std::wstring& b);

}  // namespace companion
