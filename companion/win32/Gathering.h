// Brings the item of this start together with those of the other starts of the same use of
// the menu, and puts them on the clipboard as one text.
//
// The first start of an entry (under a mutex named after the entry) finds no gatherer's window
// and becomes the gatherer (companion/win32/Gatherer.h). A later one that finds that window,
// in a process of this same program file, hands its item over and ends; one whose item is
// refused looks again, and so finds the next gatherer or none and becomes it. That one carries
// on the selection from the clipboard when it belongs to the same use (Selection::CarryOn).
#pragma once

#include "companion/ItemQueries.h"
#include "companion/Outcome.h"
#include "companion/Selection.h"

namespace companion::win32 {

// kNone once the item is on the clipboard or in the gatherer's hands; kClipboardFailed when
// neither could be done within a few seconds. `names` orders the text.
Problem GatherOnClipboard(Entry entry, SelectionItem item, ItemQueries& names);

}  // namespace companion::win32
