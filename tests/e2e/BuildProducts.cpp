#include "BuildProducts.h"

#include <windows.h>

#include <cstring>

namespace e2e {

namespace {

BuildProducts products;

std::wstring Widen(const std::string& text) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

// Wine shows the host's root as drive Z:, so /a/b is Z:\a\b.
std::wstring WindowsPathOf(const std::string& path) {
  std::wstring wide = Widen(path);
  if (wide.empty() || wide.front() != L'/') return wide;
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  return L"Z:" + wide;
}

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
        TakeOption(argv[i], "--real-companion=", &products.realCompanion);
  }
  if (products.installer.empty() || products.companion.empty()) {
    *error =
        L"usage: driver --installer=PATH --companion=PATH [--real-companion=PATH] [gtest options]";
    return false;
  }
  return true;
}

const BuildProducts& Products() {
  return products;
}

}  // namespace e2e
