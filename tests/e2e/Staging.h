// The installation directory the tests lay out: the installer, the companion stand-in and a
// settings file, under a path with a space and Japanese characters in it.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace e2e {

inline constexpr wchar_t kStageDir[] = L"C:\\テスト 用\\セットアップ\\";
inline constexpr wchar_t kInstallerName[] = L"Install.exe";
inline constexpr wchar_t kCompanionName[] = L"Vantrel.Dll";
inline constexpr wchar_t kSettingsName[] = L"Install.ini";
inline constexpr wchar_t kCompanionLogName[] = L"companion.log";

struct StageContents {
  bool companion = true;
  bool settings = true;
  // The real program in the companion's place instead of the logging stand-in.
  bool realCompanion = false;
  // The settings file the release ships instead of the 8-bit one with the staged titles.
  bool shippedSettings = false;
  // The name the installer is copied under.
  std::wstring installerName = kInstallerName;
};

// The five entry titles the staged settings file holds, in entry order.
const std::array<std::wstring, 5>& StagedTitles();

// Lays out dir (ending in a backslash): copies the installer, and the companion and writes the
// settings file (always named Install.ini) as asked; a file not asked for is removed. The
// companion's log starts empty.
bool StageSetup(const std::wstring& dir, const StageContents& contents, std::wstring* error);

// The command lines the companion stand-in has logged in dir, oldest first.
std::vector<std::wstring> CompanionLog(const std::wstring& dir);

}  // namespace e2e
