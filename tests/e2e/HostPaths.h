// Host (Linux) paths as the Windows programs under Wine see them.
#pragma once

#include <string>

namespace e2e {

// UTF-8 text, as the host gives it, in UTF-16.
std::wstring Widen(const std::string& text);
// Wine shows the host's root as drive Z:, so /a/b is Z:\a\b. A path that is not absolute on
// the host is returned as it is.
std::wstring WindowsPathOf(const std::string& hostPath);

}  // namespace e2e
