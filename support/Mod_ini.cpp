#include "support/Mod_ini.h"

// TrimNull, the registry unit's text helper, cuts the profile reader's buffer at its NUL.
#include "support/ModReg.h"

namespace Mod_ini {
namespace {

constexpr std::size_t kBufferBytes = 256;
// Deliberately half the buffer: values are cut to 127 bytes.
constexpr std::uint32_t kCapacity = 128;

}  // namespace

std::wstring IniFilePath(const platform::System& sys) {
  std::wstring path = sys.app.Directory();
  if (path.empty() || path.back() != L'\\') path += L'\\';
  return path + sys.app.ExeBaseName() + L".ini";
}

std::wstring GetIniString(platform::System& sys, std::wstring_view file, std::wstring_view section,
                          std::wstring_view key, std::wstring_view defaultValue) {
  const std::string ansiSection = sys.codepage.ToAnsi(section);
  const std::string ansiKey = sys.codepage.ToAnsi(key);
  const std::string ansiDefault = sys.codepage.ToAnsi(defaultValue);
  const std::string ansiFile = sys.codepage.ToAnsi(file);
  std::string buffer(kBufferBytes, '\0');
  sys.profile.ReadProfileString(ansiSection.c_str(), ansiKey.c_str(), ansiDefault.c_str(),
                                buffer.data(), kCapacity, ansiFile.c_str());
  return ModReg::TrimNull(sys.codepage.FromAnsi(buffer));
}

}  // namespace Mod_ini
