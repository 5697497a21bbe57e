// The five context-menu entries and the names derived from an entry number.
#pragma once

#include <cstdint>
#include <string>

namespace entries {

constexpr int kCount = 5;

// Target flags of a row.
constexpr std::int32_t kFiles = 1;
constexpr std::int32_t kFolders = 2;
constexpr std::int32_t kBoth = kFiles | kFolders;

// The registry roots a verb is written under, in processing order.
enum class Root { Files, Folders };
constexpr Root kRoots[] = {Root::Files, Root::Folders};

// "Menu" + n.
std::wstring SectionName(int entry);
// "*\shell\Vantrel" + n or "Folder\shell\Vantrel" + n.
std::wstring VerbKeyPath(Root root, int entry);
// The verb's "command" sub-key.
std::wstring CommandKeyPath(Root root, int entry);
// The quoted program path (its '%' doubled for the shell), the entry number and the quoted
// item placeholder.
std::wstring CommandLine(const std::wstring& appDir, int entry);

}  // namespace entries
