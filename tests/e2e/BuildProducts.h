// Where the programs under test were built, as given on the driver's command line.
#pragma once

#include <string>

namespace e2e {

struct BuildProducts {
  std::wstring installer;      // Install.exe
  std::wstring companion;      // the logging stand-in named Vantrel.Dll
  std::wstring realCompanion;  // the real Vantrel.Dll; empty when the driver was not given it
  std::wstring settings;       // Install.ini as the release ships it; empty when not given
  std::wstring shellVerb64;    // the 64-bit stand-in for Explorer; empty when not given
};

// Reads --installer=PATH, --companion=PATH, and the optional --real-companion=PATH,
// --settings=PATH and --shell-verb64=PATH; host paths
// (/...) become their Windows names. False, with a message in error, when one is missing.
bool ParseBuildProducts(int argc, char** argv, std::wstring* error);
const BuildProducts& Products();

}  // namespace e2e
