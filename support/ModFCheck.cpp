#include "support/ModFCheck.h"

#include <string>

namespace ModFCheck {

bool FileExists(platform::System& sys, std::wstring_view path) {
  return sys.files.PathExists(std::wstring(path).c_str());
}

}  // namespace ModFCheck
