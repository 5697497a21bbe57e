#include "BuildProducts.h"

#include <windows.h>

#include <cstring>

#include "HostPaths.h"

namespace e2e {

namespace {

BuildProducts products;

bool TakeOption(const char* argument, const char* name, std::wstring* value) {
  const size_t length = std::strlen(name);
  if (std::strncmp(argument, name, length) != 0) return false;
  *value = WindowsPathOf(argument + length);
  return true;
}

}  // namespace

bool ParseBuildProducts(int argc, char** argv, std::wstring* error) {
  for (int i = 1; i < argc; ++i) {
    TakeOption(argv[i], "--installer=", &products.installer) ||
        TakeOption(argv[i], "--companion=", &products.companion) ||
        TakeOption(argv[i], "--real-companion=", &products.realCompanion) ||
        TakeOption(argv[i], "--settings=", &products.settings) ||
        TakeOption(argv[i], "--shell-verb64=", &products.shellVerb64);
  }
  if (products.installer.empty() || products.companion.empty()) {
    *error =
        L"usage: driver --installer=PATH --companion=PATH [--real-companion=PATH] "
        L"[--settings=PATH] [--shell-verb64=PATH] [gtest options]";
    return false;
  }
  return true;
}

const BuildProducts& Products() {
  return products;
}

}  // namespace e2e
