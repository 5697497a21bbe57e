#include "companion/Selection.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "companion/DecimalText.h"
#include "companion/PathText.h"

namespace companion {
namespace {

// Control characters no path and no details text holds.
constexpr wchar_t kFieldSeparator = L'\x1F';
constexpr wchar_t kItemSeparator = L'\x1E';

// Folders first, then by the name the view shows; items of two folders with the same name
// (search results) in their folders' order. The exact text only makes the order repeatable.
bool Before(const SelectionItem& a, const SelectionItem& b, ItemQueries& names) {
  if (a.folder != b.folder) return a.folder;
  int order = names.CompareNames(NameOf(a.orderKey), NameOf(b.orderKey));
  if (order == 0) order = names.CompareNames(LocationOf(a.orderKey), LocationOf(b.orderKey));
  if (order == 0) order = a.orderKey.compare(b.orderKey);
  return order != 0 ? order < 0 : a.text < b.text;
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::wstring::npos ? end : end - start));
    if (end == std::wstring::npos) return parts;
    start = end + 1;
  }
}

bool SameItem(const SelectionItem& a, const SelectionItem& b) {
  return a.orderKey == b.orderKey && a.text == b.text;
}

// Whether `items` hold `started`, from its own start or a later one.
bool HeldIn(const std::vector<StartedItem>& items, const StartedItem& started) {
  return std::any_of(items.begin(), items.end(), [&](const StartedItem& candidate) {
    return SameItem(candidate.item, started.item) && candidate.startedAt >= started.startedAt;
  });
}

// Where the latest use's items begin in `items`, by start.
std::size_t LatestUseOf(const std::vector<StartedItem>& items) {
  std::size_t first = items.empty() ? 0 : items.size() - 1;
  while (first > 0 && items[first - 1].startedAt + kSameUseGap >= items[first].startedAt) --first;
  return first;
}

// Lets the items of earlier uses go that are kept no longer.
void Trim(std::vector<StartedItem>& items) {
  const std::size_t latestUse = LatestUseOf(items);
  const FileTime latest = items.back().startedAt;
  std::size_t first = 0;
  while (first < latestUse &&
         (items[first].startedAt + kLongestUse < latest || items.size() - first > kMostItems)) {
    ++first;
  }
  items.erase(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(first));
}

// Puts `started` in its place by start, after those of the same start. (std::stable_sort
// would bring the C++ library's nothrow operator new, and with it its exception machinery.)
void Insert(std::vector<StartedItem>& items, const StartedItem& started) {
  const auto place = std::upper_bound(
      items.begin(), items.end(), started.startedAt,
      [](FileTime startedAt, const StartedItem& placed) { return startedAt < placed.startedAt; });
  items.insert(place, started);
}

}  // namespace

Joined Selection::Add(const StartedItem& started) {
  if (HeldIn(items_, started)) return Joined::kHeldAlready;
  // Tried on a copy: what is held stays as it was when the item is refused.
  std::vector<StartedItem> items = items_;
  items.erase(std::remove_if(items.begin(), items.end(),
                             [&](const StartedItem& candidate) {
                               return SameItem(candidate.item, started.item);
                             }),
              items.end());
  Insert(items, started);
  Trim(items);
  if (items.size() - LatestUseOf(items) > kMostItems || !HeldIn(items, started)) {
    return Joined::kRefused;
  }
  items_ = std::move(items);
  return Joined::kAdded;
}

void Selection::CarryOn(const std::wstring& record, RecordWriter writer, FileTime ownStart) {
  Selection carried(entry_);
  if (writer == RecordWriter::kOtherProgram || !Decode(record, &carried) ||
      carried.entry_ != entry_) {
    return;
  }
  // The latest first, so that an item that links an earlier one to the latest use is held
  // before that one is judged.
  for (auto started = carried.items_.rbegin(); started != carried.items_.rend(); ++started) {
    if (started->startedAt <= ownStart + kClockSlack) Add(*started);
  }
}

bool Selection::Holds(const StartedItem& started) const {
  return HeldIn(items_, started);
}

std::wstring Selection::Text(ItemQueries& names) const {
  // At most kMostItems items, each put in its place in turn: this stays within bounds whatever
  // the system's comparison answers, where std::sort relies on a strict order.
  std::vector<const SelectionItem*> ordered;
  for (std::size_t i = LatestUseOf(items_); i < items_.size(); ++i) {
    const SelectionItem& item = items_[i].item;
    auto place = ordered.begin();
    while (place != ordered.end() && !Before(item, **place, names)) ++place;
    ordered.insert(place, &item);
  }
  // Items that give the same text (files of one folder, for their location) make one line,
  // placed by the first of them.
  std::vector<std::wstring> lines;
  for (const SelectionItem* item : ordered) {
    if (std::find(lines.begin(), lines.end(), item->text) == lines.end()) {
      lines.push_back(item->text);
    }
  }
  const wchar_t* separator = entry_ == Entry::kDetails ? L"\r\n\r\n" : L"\r\n";
  std::wstring text;
  for (const std::wstring& line : lines) {
    if (!text.empty()) text += separator;
    text += line;
  }
  return text;
}

std::wstring Selection::Encode() const {
  std::wstring record;
  record += DecimalText(static_cast<std::uint64_t>(entry_));
  for (const StartedItem& started : items_) {
    record += kItemSeparator;
    record += started.item.orderKey;
    record += kFieldSeparator;
    record += started.item.text;
    record += kFieldSeparator;
    record += started.item.folder ? L'1' : L'0';
    record += kFieldSeparator;
    record += DecimalText(started.startedAt);
  }
  return record;
}

bool Selection::Decode(const std::wstring& record, Selection* selection) {
  const std::vector<std::wstring> parts = Split(record, kItemSeparator);
  std::uint64_t entry = 0;
  if (!ReadDecimal(parts[0], &entry) || entry < 1 || entry > 5 || parts.size() < 2 ||
      parts.size() > kMostItems + 1) {
    return false;
  }
  Selection decoded(static_cast<Entry>(entry));
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const std::vector<std::wstring> fields = Split(parts[i], kFieldSeparator);
    StartedItem started;
    if (fields.size() != 4 || fields[1].empty() || (fields[2] != L"0" && fields[2] != L"1") ||
        !ReadDecimal(fields[3], &started.startedAt)) {
      return false;
    }
    started.item = SelectionItem{fields[0], fields[1], fields[2] == L"1"};
    Insert(decoded.items_, started);
  }
  *selection = std::move(decoded);
  return true;
}

}  // namespace companion
