// The process that gathers the items of one use of the menu and puts them on the clipboard as
// one text (companion/win32/Gathering.h tells how a start becomes it).
//
// Its message-only window, of the class kGathererClass and named after the entry, takes the
// item of each later start (one per WM_COPYDATA tagged kItemTag) and answers TRUE once it
// holds it; it writes the selection as items come, and ends once no item has been added for a
// quiet time, with the whole selection written once more as the user's copy. It refuses an
// item it cannot keep, and every item once its last text is made, so that the start looks
// again: it finds the next gatherer, or none and becomes it.
//
// The clipboard is the user's: another program that writes it after the gatherer began holds
// the user's newer copy, which the gatherer never writes over. It tells that from the
// clipboard's sequence number, which it remembers after each of its writes.
#pragma once

#include <windows.h>

#include <string>

#include "companion/ItemQueries.h"
#include "companion/Outcome.h"
#include "companion/Selection.h"

namespace companion::win32 {

inline constexpr wchar_t kGathererClass[] = L"Vantrel.Companion.Selection";
inline constexpr ULONG_PTR kItemTag = 0x56544931;

// The gatherer window's name for `entry`.
std::wstring GathererName(Entry entry);

// Gathers from `own`, the item of this process, with `mutex` (the entry's) held, which it
// lets go once its window can be found, and takes again for its last write and its window's
// end: a start either finds a window that still takes items, or none. `program` is this
// program's file, whose windows' records it carries on. kNone when the clipboard holds every
// item it took, or another program's newer copy; kClipboardFailed when it holds neither.
Problem Gather(HANDLE mutex, Entry entry, const StartedItem& own, ItemQueries& names,
               const std::wstring& program);

}  // namespace companion::win32
