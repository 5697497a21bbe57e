// The file-existence test.
#pragma once

#include <string_view>

#include "platform/System.h"

namespace ModFCheck {

// True when the path names an existing file or directory.
bool FileExists(platform::System& sys, std::wstring_view path);

}  // namespace ModFCheck
