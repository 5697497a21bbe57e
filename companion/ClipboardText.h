// The text the companion puts on the clipboard for one request.
#pragma once

#include <string>

#include "companion/ItemQueries.h"
#include "companion/Outcome.h"
#include "companion/Request.h"

namespace companion {

// Builds the text for a well-formed request: the long or short path or location, or the
// details. An item that does not exist is a problem; a short form the volume does not keep
// falls back to the long form, which is the only name the item has there.
Outcome BuildClipboardText(Entry entry, const std::wstring& path, ItemQueries& queries);

// One start of the program: the entry it was asked for and what it gives.
struct PreparedStart {
  Entry entry = Entry::kLongPath;
  Outcome outcome;
};

// Reads the command line and builds its text: everything the program does but the clipboard.
PreparedStart PrepareStart(const std::wstring& commandLine, ItemQueries& queries);

}  // namespace companion
