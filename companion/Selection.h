// The items of one use of the menu, gathered from the processes the file manager starts for
// them, and the one clipboard text they make together.
//
// The file manager starts one process per selected item, all at once; nothing but the entry
// and the moment of their start tells which belong together. Starts less than
// kSameUseGap apart (each to the nearest other) are one use; a start further from all of them
// is a later use, whose items replace what was gathered.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "companion/Request.h"

namespace companion {

// Start times count 100-nanosecond ticks, as Windows keeps them.
inline constexpr std::uint64_t kTicksPerMillisecond = 10000;
inline constexpr std::uint64_t kSameUseGap = 1000 * kTicksPerMillisecond;

struct SelectionItem {
  std::wstring orderKey;  // The item's long path: where its text goes among the others.
  std::wstring text;      // What the item gives alone.
};

class Selection {
 public:
  explicit Selection(Entry entry) : entry_(entry) {}

  // A selection of the one item of a start at `startedAt`.
  Selection(Entry entry, std::uint64_t startedAt, SelectionItem item);

  Entry entry() const { return entry_; }
  bool empty() const { return items_.empty(); }

  // Takes in the items of `other` when it is the same use; when it is a later use of the same
  // entry it replaces these. An earlier use, or another entry, changes nothing. True when
  // anything was taken.
  bool Merge(const Selection& other);

  // The clipboard text: the items' texts in the file manager's name order, each distinct
  // text once; one per line (CR LF between lines), or for the details one block each with an
  // empty line between blocks.
  std::wstring Text() const;

  // The selection as one text, so that it can pass between processes, and back; Decode gives
  // false for anything Encode did not make.
  std::wstring Encode() const;
  static bool Decode(const std::wstring& record, Selection* selection);

 private:
  Entry entry_;
  std::uint64_t earliest_ = 0;
  std::uint64_t latest_ = 0;
  std::vector<SelectionItem> items_;
};

}  // namespace companion
