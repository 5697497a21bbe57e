// The real platform: advapi32, kernel32 and shlwapi through their wide entry points.
#pragma once

#include <string>

#include "platform/System.h"

namespace win32 {

class Win32Registry : public platform::Registry {
 public:
  platform::Status OpenKeyEx(platform::KeyHandle parent, const wchar_t* subKey,
                             std::uint32_t options, std::uint32_t access,
                             platform::KeyHandle* result) override;
  platform::Status CreateKeyEx(platform::KeyHandle parent, const wchar_t* subKey,
                               std::uint32_t reserved, const wchar_t* keyClass,
                               std::uint32_t options, std::uint32_t access,
                               platform::KeyHandle* result) override;
  platform::Status SetValueEx(platform::KeyHandle key, const wchar_t* valueName,
                              std::uint32_t reserved, std::uint32_t type, const std::uint8_t* data,
                              std::uint32_t size) override;
  platform::Status DeleteKey(platform::KeyHandle key, const wchar_t* subKey) override;
  platform::Status CloseKey(platform::KeyHandle key) override;
};

class Win32Profile : public platform::Profile {
 public:
  std::uint32_t ReadProfileString(const wchar_t* section, const wchar_t* key,
                                  const wchar_t* defaultValue, wchar_t* buffer,
                                  std::uint32_t capacity, const wchar_t* file) override;
};

class Win32FileSystem : public platform::FileSystem {
 public:
  bool PathExists(const wchar_t* path) override;
};

// The system's current 8-bit code page (CP_ACP).
class Win32CodePage : public platform::CodePage {
 public:
  std::size_t ByteCount(std::wstring_view text) const override;
};

// Reads the place's drive type, attributes, owners and access lists (GetFileSecurityW).
class Win32FileSecurity : public platform::FileSecurity {
 public:
  platform::PlaceRisk ReplaceRisk(const std::wstring& folder,
                                  const std::wstring& program) const override;
};

// The running executable's directory and base name, from GetModuleFileNameW.
class Win32Application : public platform::Application {
 public:
  std::wstring Directory() const override;
  std::wstring ExeBaseName() const override;
  void SetHelpFile(const std::wstring& path) override { helpFile_ = path; }
  std::wstring HelpFile() const override { return helpFile_; }

 private:
  std::wstring helpFile_;
};

// All of the above, ready to hand to the support units.
class Win32System {
 public:
  platform::System& get() { return system_; }

 private:
  Win32Registry registry_;
  Win32Profile profile_;
  Win32FileSystem files_;
  Win32CodePage codepage_;
  Win32Application app_;
  Win32FileSecurity security_;
  platform::System system_{registry_, profile_, files_, codepage_, app_, security_};
};

}  // namespace win32
