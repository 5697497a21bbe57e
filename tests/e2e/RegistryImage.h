// Everything at and below the ten verb keys as plain data: a test seeds such an image, lets
// the installer run, and compares what is left with the image it expects, key by key and
// value by value.
#pragma once

#include <map>
#include <string>

#include "ShellVerbs.h"
#include "Staging.h"

namespace e2e {

// A key's values by name ("" is the default value). Text values (REG_SZ) appear as their
// text; any other type as "type <n>: <bytes in hex>".
using KeyValues = std::map<std::wstring, std::wstring>;
// Keys by their path under HKEY_CLASSES_ROOT; a key without values is present all the same.
using RegistryImage = std::map<std::wstring, KeyValues>;

// Reads the ten verb keys with all their sub-keys and values.
RegistryImage ReadVerbImage();
// Creates every key of image and writes its values as text; true when all was written.
bool WriteImage(const RegistryImage& image);

// Adds a verb as the installer writes it: the title on the verb key, the command line on
// its "command" sub-key.
void AddVerb(RegistryImage& image, VerbRoot root, int entry, const std::wstring& title,
             const std::wstring& command);
// Takes a verb key out of image with everything below it.
void RemoveVerb(RegistryImage& image, VerbRoot root, int entry);
// All ten verbs as a complete install from appDir leaves them, with these titles.
RegistryImage InstalledImage(const std::wstring& appDir,
                             const std::array<std::wstring, 5>& titles = StagedTitles());

}  // namespace e2e
