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
// How far ahead of this start's clock a start of the same use may have read its own.
constexpr std::uint64_t kClockSlack = 1000 * kTicksPerMillisecond;

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

}  // namespace

Selection::Selection(Entry entry, std::uint64_t startedAt, SelectionItem item)
    : entry_(entry), items_{Held{std::move(item), startedAt}} {}

bool Selection::Join(const Selection& other) {
  if (other.entry_ != entry_ || other.empty()) return false;
  bool changed = false;
  for (const Held& held : other.items_) {
    auto mine = std::find_if(items_.begin(), items_.end(), [&](const Held& candidate) {
      return candidate.item.orderKey == held.item.orderKey && candidate.item.text == held.item.text;
    });
    if (mine != items_.end()) {
      if (mine->startedAt >= held.startedAt) continue;
      items_.erase(mine);
    }
    // Put in its place by start, after those of the same start. (std::stable_sort would bring
    // the C++ library's nothrow operator new, and with it its exception machinery.)
    const auto place = std::upper_bound(
        items_.begin(), items_.end(), held.startedAt,
        [](std::uint64_t startedAt, const Held& placed) { return startedAt < placed.startedAt; });
    items_.insert(place, held);
    changed = true;
  }
  if (!changed) return false;
  const std::uint64_t latest = items_.back().startedAt;
  auto kept = std::find_if(items_.begin(), items_.end(), [&](const Held& held) {
    return held.startedAt + kLongestUse >= latest;
  });
  if (items_.end() - kept > static_cast<std::ptrdiff_t>(kMostItems))
    kept = items_.end() - kMostItems;
  items_.erase(items_.begin(), kept);
  return true;
}

std::size_t Selection::LatestUse() const {
  std::size_t first = items_.empty() ? 0 : items_.size() - 1;
  while (first > 0 && items_[first - 1].startedAt + kSameUseGap >= items_[first].startedAt) --first;
  return first;
}

std::wstring Selection::Text(ItemQueries& names) const {
  // A handful of items, each put in its place in turn: this stays within bounds whatever
  // the system's comparison answers, where std::sort relies on a strict order.
  std::vector<const SelectionItem*> ordered;
  for (std::size_t i = LatestUse(); i < items_.size(); ++i) {
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
  for (const Held& held : items_) {
    record += kItemSeparator;
    record += held.item.orderKey;
    record += kFieldSeparator;
    record += held.item.text;
    record += kFieldSeparator;
    record += held.item.folder ? L'1' : L'0';
    record += kFieldSeparator;
    record += DecimalText(held.startedAt);
  }
  return record;
}

bool Selection::Decode(const std::wstring& record, std::uint64_t now, Selection* selection) {
  const std::vector<std::wstring> parts = Split(record, kItemSeparator);
  std::uint64_t entry = 0;
  if (!ReadDecimal(parts[0], &entry) || entry < 1 || entry > 5 || parts.size() < 2 ||
      parts.size() > kMostItems + 1) {
    return false;
  }
  Selection decoded(static_cast<Entry>(entry));
  std::uint64_t earliest = UINT64_MAX, latest = 0;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const std::vector<std::wstring> fields = Split(parts[i], kFieldSeparator);
    std::uint64_t startedAt = 0;
    if (fields.size() != 4 || fields[1].empty() || (fields[2] != L"0" && fields[2] != L"1") ||
        !ReadDecimal(fields[3], &startedAt) || startedAt > now + kClockSlack) {
      return false;
    }
    earliest = std::min(earliest, startedAt);
    latest = std::max(latest, startedAt);
    decoded.Join(Selection(decoded.entry_, startedAt,
                           SelectionItem{fields[0], fields[1], fields[2] == L"1"}));
  }
  if (latest - earliest > kLongestUse) return false;
  *selection = std::move(decoded);
  return true;
}

}  // namespace companion
