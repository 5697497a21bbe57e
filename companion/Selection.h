// The items of one use of the menu, gathered from the processes the file manager starts for
// them, and the one clipboard text they make together.
//
// The file manager starts one process per selected item, all at once; nothing but the entry
// and the moment of their start tells which belong together. The items of one use are those
// whose starts follow each other less than kSameUseGap apart, up to the latest start: both in
// the process that gathers them and in a start that comes after it ended. Every item of the
// latest use is kept, up to the file manager's own limit; items of earlier uses are kept a
// while, so that the result does not depend on the order in which the items arrive: one that
// arrives late may be the start that links them to the latest. An item that cannot be kept is
// refused, never taken and then dropped.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "companion/ItemQueries.h"
#include "companion/Request.h"
#include "companion/Times.h"

namespace companion {

inline constexpr FileTime kSameUseGap = FileTimeSpan(1000);
// The file manager starts at most this many processes for one use of a command verb, all
// within a moment; no more items than that are kept in all.
inline constexpr std::size_t kMostItems = 100;
// Items of earlier uses are kept until they started this long before the latest start.
inline constexpr FileTime kLongestUse = FileTimeSpan(15000);
// How far ahead of one start's clock another start of the same use may have read its own.
inline constexpr FileTime kClockSlack = FileTimeSpan(1000);

struct SelectionItem {
  std::wstring orderKey;  // The item's long path: where its text goes among the others.
  std::wstring text;      // What the item gives alone.
  bool folder = false;    // Folders come before files.
};

// An item and the moment Windows started the process that gives it.
struct StartedItem {
  FileTime startedAt = 0;
  SelectionItem item;
};

// What became of an item given to Selection::Add.
enum class Joined {
  kAdded,        // It is held now: a new item, or one handed over again by a later start.
  kHeldAlready,  // The same item was held already, from the same start or a later one.
  kRefused,      // Holding it would drop it at once (it started kLongestUse before the latest;
                 // the clock was set back since), or give the latest use over kMostItems.
};

// Who owns the clipboard that holds a selection record: no one any more (its writer ended),
// a window of this program's own file, or another program, which may have written anything.
enum class RecordWriter { kEnded, kThisProgram, kOtherProgram };

class Selection {
 public:
  explicit Selection(Entry entry) : entry_(entry) {}

  Entry entry() const { return entry_; }
  // By start, the earliest first.
  const std::vector<StartedItem>& items() const { return items_; }

  // Takes in an item of this entry; an item handed over twice counts once, at its later
  // start. Only items of earlier uses make way: those started kLongestUse before the latest,
  // then the earliest beyond kMostItems in all.
  Joined Add(const StartedItem& started);

  // Takes in the selection a gatherer that ended left in `record` on the clipboard, for a
  // start at `ownStart` that carries it on: only a record of this entry that this program
  // wrote, and of it only the items started no later than kClockSlack after ownStart (a
  // later one comes from a clock set back since, or from a forger), as far as Add keeps them.
  void CarryOn(const std::wstring& record, RecordWriter writer, FileTime ownStart);

  // Whether `started` is held, from its own start or a later one.
  bool Holds(const StartedItem& started) const;

  // The clipboard text of the latest use: its items' texts in the file manager's order
  // (folders first, each group by name as `names` orders them), each distinct text once; one
  // per line (CR LF between lines), or for the details one block each with an empty line
  // between blocks.
  std::wstring Text(ItemQueries& names) const;

  // The selection as one text, so that it can pass between processes, and back. Any program
  // can write such a text, so Decode gives false for anything Encode did not make, and for
  // more than kMostItems items.
  std::wstring Encode() const;
  static bool Decode(const std::wstring& record, Selection* selection);

 private:
  Entry entry_;
  std::vector<StartedItem> items_;  // By start, the earliest first.
};

}  // namespace companion
