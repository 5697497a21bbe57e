#include "support/ModFCheck.h"

#include <string>

namespace ModFCheck {

bool FileExists(platform::System& sys, std::wstring_view path) {
  const std::string ansiPath = sys.codepage.ToAnsi(path);
  return sys.files.PathExists(ansiPath.c_str());
}

}  // namespace ModFCheck
