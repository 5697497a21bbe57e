// The order in which the file manager lists names: runs of digits compare as the numbers they
// write ("写真 2.jpg" before "写真 10.jpg") and letters compare without regard to case, so that
// a selection comes out in the order the user saw it.
#pragma once

#include <string>

namespace companion {

// Negative, zero or positive as `a` sorts before, with or after `b`. Names equal but for case
// or leading zeros still get a fixed order from their exact text, so sorting is repeatable.
int CompareLogically(const std::wstring& a, const std::wstring& b);

}  // namespace companion
