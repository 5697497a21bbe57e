// The items of one use of the menu, gathered from the processes the file manager starts for
// them, and the one clipboard text they make together.
//
// The file manager starts one process per selected item, all at once; nothing but the entry
// and the moment of their start tells which belong together. The items of one use are those
// whose starts follow each other less than kSameUseGap apart, up to the latest start: both in
// the process that gathers them and in a start that comes after it ended. Items of an earlier
// use are kept a while, so that the result does not depend on the order in which the items
// arrive: one that arrives late may be the start that links them to the latest.
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

  // Takes in the items of `other` (an item that reaches the gatherer, or the selection a
  // previous gatherer left), of the same entry; an item handed over twice counts once, at its
  // later start. Of all, the latest kMostItems are kept, none started kLongestUse before the
  // latest. False when nothing changed, or `other` is of another entry.
  bool Join(const Selection& other);

  // The clipboard text of the latest use: its items' texts in the file manager's order
  // (folders first, each group by name as `names` orders them), each distinct text once; one
  // per line (CR LF between lines), or for the details one block each with an empty line
  // between blocks.
  std::wstring Text(ItemQueries& names) const;

  // The selection as one text, so that it can pass between processes, and back. Any program
  // can write such a text, so Decode gives false for anything Encode did not make, and for a
  // record Join does not leave at `now`: starts more than a second after `now` (a clock set
  // back since), spanning more than kLongestUse, or more than kMostItems items.
  std::wstring Encode() const;
  static bool Decode(const std::wstring& record, std::uint64_t now, Selection* selection);

 private:
  struct Held {
    SelectionItem item;
    std::uint64_t startedAt;
  };

  // Where the latest use's items begin in items_.
  std::size_t LatestUse() const;

  Entry entry_;
  std::vector<Held> items_;  // By start, the earliest first.
};

}  // namespace companion
