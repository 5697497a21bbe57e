// The items of one use of the menu, gathered from the processes the file manager starts for
// them, and the one clipboard text they make together.
//
// The file manager starts one process per selected item, all at once; nothing but the entry
// and the moment of their start tells which belong together. An item belongs to a selection
// when it was started among that selection's starts or less than kSameUseGap before or after
// them, both in the process that gathers them and in a start that comes after it ended;
// otherwise it begins a new use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "companion/ItemQueries.h"
#include "companion/Request.h"

namespace companion {

// Start times count 100-nanosecond ticks, as Windows keeps them.
inline constexpr std::uint64_t kTicksPerMillisecond = 10000;
inline constexpr std::uint64_t kSameUseGap = 1000 * kTicksPerMillisecond;
// The file manager starts at most this many processes for one use, all within a moment.
inline constexpr std::size_t kMostItems = 15;
inline constexpr std::uint64_t kLongestUse = 15000 * kTicksPerMillisecond;

struct SelectionItem {
  std::wstring orderKey;  // The item's long path: where its text goes among the others.
  std::wstring text;      // What the item gives alone.
  bool folder = false;    // Folders come before files.
};

class Selection {
 public:
  explicit Selection(Entry entry) : entry_(entry) {}

  // A selection of the one item of a start at `startedAt`.
  Selection(Entry entry, std::uint64_t startedAt, SelectionItem item);

  Entry entry() const { return entry_; }
  bool empty() const { return items_.empty(); }

  // Takes in the items of `other`, of the same entry. True when it had any.
  bool Take(const Selection& other);

  // Joins `other` (an item that reaches the gatherer, or the selection a previous gatherer
  // left) when it is of the same use: its items are taken in. One of a later use replaces
  // these items (they came too late for anything); one of an earlier use, or of another
  // entry, changes nothing. True when the items changed.
  bool Join(const Selection& other);

  // The clipboard text: the items' texts in the file manager's order (folders first, each
  // group by name as `names` orders them), each distinct text once; one per line (CR LF
  // between lines), or for the details one block each with an empty line between blocks.
  std::wstring Text(ItemQueries& names) const;

  // The selection as one text, so that it can pass between processes, and back. Any program
  // can write such a text, so Decode gives false for anything Encode did not make, and for a
  // record no use of the menu at `now` leaves: starts more than a second after `now` (a
  // clock set back since), spanning more than kLongestUse, or more than kMostItems items.
  std::wstring Encode() const;
  static bool Decode(const std::wstring& record, std::uint64_t now, Selection* selection);

 private:
  Entry entry_;
  std::uint64_t earliest_ = 0;
  std::uint64_t latest_ = 0;
  std::vector<SelectionItem> items_;
};

}  // namespace companion
