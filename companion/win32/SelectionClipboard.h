// The clipboard as the process that gathers a selection writes it: the joined text for every
// program, and beside it the selection itself in a format of its own, so that a start coming
// after that process ended carries the same selection on instead of replacing it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "companion/ItemQueries.h"
#include "companion/Selection.h"

namespace companion::win32 {

// Joins the selection already on the clipboard (Selection::Join), then puts the text, ordered
// by `names`, and the selection there, owned by `owner`. False when the clipboard could not be
// opened or written.
bool PublishSelection(HWND owner, Selection& selection, ItemQueries& names);

// Now, in the ticks that start times count.
std::uint64_t CurrentTime();

}  // namespace companion::win32
