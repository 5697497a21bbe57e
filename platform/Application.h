// What the running program knows about itself: where it lies and under which name.
#pragma once

#include <string>

namespace platform {

class Application {
 public:
  virtual ~Application() = default;

  // The directory holding the running executable, as the platform reports it (a drive root
  // keeps its trailing backslash, other directories have none).
  virtual std::wstring Directory() const = 0;
  // The executable's file name without its extension ("Install").
  virtual std::wstring ExeBaseName() const = 0;
  virtual void SetHelpFile(const std::wstring& path) = 0;
  virtual std::wstring HelpFile() const = 0;
};

}  // namespace platform
