// The items of one use of the menu, gathered from the processes the file manager starts for
// them, and the one clipboard text they make together.
//
// The file manager starts one process per selected item, all at once; nothing but the entry
// and the moment of their start tells which belong together. The process that gathers them
// takes every item of its entry that comes while it runs. A start that comes after it ended
// carries on its selection when it was started among that selection's starts or less than
// kSameUseGap before or after them; otherwise it begins a new one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "companion/ItemQueries.h"
#include "companion/Request.h"

namespace companion {

// Start times count 100-nanosecond ticks, as Windows keeps them.
inline constexpr std::uint64_t kTicksPerMillisecond = 10000;
inline constexpr std::uint64_t kSameUseGap = 1000 * kTicksPerMillisecond;

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

  // Carries on `earlier`, the selection a previous gatherer left, when it is the same use:
  // its items are taken in. One of a later use replaces these items (this start came too
  // late for anything); one of an earlier use, or of another entry, changes nothing.
  void CarryOn(const Selection& earlier);

  // The clipboard text: the items' texts in the file manager's order (folders first, each
  // group by name as `names` orders them), each distinct text once; one per line (CR LF
  // between lines), or for the details one block each with an empty line between blocks.
  std::wstring Text(ItemQueries& names) const;

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
