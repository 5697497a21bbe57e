// Every fake of the platform in one bundle, handed to the support units as the real platform
// would be.
#pragma once

#include <string>
#include <utility>

#include "platform/System.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeRegistry.h"

namespace fake {

struct FakeSystem {
  explicit FakeSystem(
      FakeRegistry::DeleteBehaviour behaviour = FakeRegistry::DeleteBehaviour::RefusesSubKeys,
      std::wstring appDirectory = L"C:\\App", std::wstring baseName = L"Install")
      : registry(behaviour), app(std::move(appDirectory), std::move(baseName)) {}

  FakeRegistry registry;
  FakeProfile profile;
  FakeFileSystem files;
  FakeCodePage codepage;
  FakeApplication app;
  FakeFileSecurity security;
  platform::System sys{registry, profile, files, codepage, app, security};
};

}  // namespace fake
