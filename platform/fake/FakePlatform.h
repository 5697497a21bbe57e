// In-memory profile files, file system, code page, file security and application facts for the
// native tests.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/CodePage.h"
#include "platform/FileSecurity.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"

namespace fake {

// Profile files held as their bytes (paths in UTF-8), read with the usual INI rules: a file
// that starts with a UTF-16LE byte-order mark as UTF-16, any other in the stand-in code page
// (UTF-8, as FakeCodePage); section and key names without regard to ASCII case, blanks around
// names and values dropped, one pair of surrounding quotes removed, ';' lines ignored, the
// first of repeated keys wins.
class FakeProfile : public platform::Profile {
 public:
  void SetFile(const std::string& path, const std::string& bytes);
  int reads() const { return reads_; }

  std::uint32_t ReadProfileString(const wchar_t* section, const wchar_t* key,
                                  const wchar_t* defaultValue, wchar_t* buffer,
                                  std::uint32_t capacity, const wchar_t* file) override;

 private:
  std::map<std::string, std::string> files_;  // by lower-case path
  int reads_ = 0;
};

// Existing files and directories, by path (in UTF-8) without regard to ASCII case.
class FakeFileSystem : public platform::FileSystem {
 public:
  void AddFile(const std::string& path);
  void AddDirectory(const std::string& path) { AddFile(path); }
  bool PathExists(const wchar_t* path) override;

 private:
  std::set<std::string> paths_;
};

// Stands in for the 8-bit code page with UTF-8, which like code page 932 gives Japanese
// characters more than one byte.
class FakeCodePage : public platform::CodePage {
 public:
  std::size_t ByteCount(std::wstring_view text) const override;
};

// The risk set for a folder; every other folder carries none. Records the folder and program
// asked about, as one path.
class FakeFileSecurity : public platform::FileSecurity {
 public:
  void Set(const std::wstring& folder, platform::PlaceRisk risk) { risks_[folder] = risk; }
  const std::vector<std::wstring>& asked() const { return asked_; }

  platform::PlaceRisk ReplaceRisk(const std::wstring& folder,
                                  const std::wstring& program) const override;

 private:
  std::map<std::wstring, platform::PlaceRisk> risks_;
  mutable std::vector<std::wstring> asked_;
};

class FakeApplication : public platform::Application {
 public:
  FakeApplication(std::wstring directory, std::wstring baseName)
      : directory_(std::move(directory)), baseName_(std::move(baseName)) {}
  std::wstring Directory() const override { return directory_; }
  std::wstring ExeBaseName() const override { return baseName_; }
  void SetHelpFile(const std::wstring& path) override { helpFile_ = path; }
  std::wstring HelpFile() const override { return helpFile_; }

 private:
  std::wstring directory_;
  std::wstring baseName_;
  std::wstring helpFile_;
};

}  // namespace fake
