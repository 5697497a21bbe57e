// The clipboard as the process that gathers a selection writes it: the joined text for every
// program, and beside it the selection itself in a format of its own, so that a start coming
// after that process ended carries the same selection on instead of replacing it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "companion/ItemQueries.h"
#include "companion/Selection.h"

namespace companion::win32 {

// A write made while more items may come is a step on the way to the user's copy, not a copy
// of its own: it carries the formats that keep it out of the clipboard history, the cloud
// clipboard and the programs that watch the clipboard. The whole selection is written once
// more without them at the end.
enum class Write { kPartial, kWhole };

// Joins the selection already on the clipboard (Selection::Join), then puts the text, ordered
// by `names`, and the selection there, owned by `owner`. False when the clipboard could not be
// opened or written.
bool PublishSelection(HWND owner, Selection& selection, ItemQueries& names, Write write);

// A time Windows gives, and now, in the ticks that start times count.
std::uint64_t TicksOf(const FILETIME& time);
std::uint64_t CurrentTime();

}  // namespace companion::win32
