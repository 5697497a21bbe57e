// Everything the dialog and the support units reach through: one place to hand the real
// platform or the fakes.
#pragma once

#include "platform/Application.h"
#include "platform/CodePage.h"
#include "platform/FileSecurity.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/Registry.h"

namespace platform {

struct System {
  Registry& registry;
  Profile& profile;
  FileSystem& files;
  const CodePage& codepage;
  Application& app;
  const FileSecurity& security;
};

}  // namespace platform
