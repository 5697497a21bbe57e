// Brings the item of this start together with those of the other starts of the same use of
// the menu, and puts them on the clipboard as one text.
//
// The first start of an entry (under a mutex named after the entry) makes a message-only
// window named after the entry and becomes the gatherer: it writes its own text at once, and
// again after a later start handed it an item with WM_COPYDATA; it ends once no item has
// come for a short quiet time, writing the whole selection once more as the user's copy (the
// writes before are kept out of the clipboard history). A start that finds that window, in a
// process of this same program file, hands its item over and ends. The gatherer takes the
// mutex again for its last write and its window's end, so a start either finds a window that
// still takes items, or none and becomes the next gatherer; that one carries on the
// selection from the clipboard when it belongs to the same use (Selection::Join).
#pragma once

#include "companion/ItemQueries.h"
#include "companion/Outcome.h"
#include "companion/Selection.h"

namespace companion::win32 {

// kNone once the item is on the clipboard or in the gatherer's hands; kClipboardFailed when
// neither could be done within a few seconds. `names` orders the text.
Problem GatherOnClipboard(Entry entry, SelectionItem item, ItemQueries& names);

}  // namespace companion::win32
