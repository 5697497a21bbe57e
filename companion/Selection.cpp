#include "companion/Selection.h"

#include <algorithm>
#include <cstddef>
#include <utility>

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

void AppendNumber(std::wstring& out, std::uint64_t value) {
  wchar_t digits[24];
  int count = 0;
  do {
    digits[count++] = static_cast<wchar_t>(L'0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (count > 0) out += digits[--count];
}

// False for anything but decimal digits of a number that fits.
bool ReadNumber(const std::wstring& text, std::uint64_t* value) {
  if (text.empty()) return false;
  *value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
    const std::uint64_t digit = static_cast<std::uint64_t>(c - L'0');
    if (*value > (UINT64_MAX - digit) / 10) return false;
    *value = *value * 10 + digit;
  }
  return true;
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
    : entry_(entry), earliest_(startedAt), latest_(startedAt) {
  items_.push_back(std::move(item));
}

bool Selection::Take(const Selection& other) {
  if (other.entry_ != entry_ || other.empty()) return false;
  if (empty()) {
    *this = other;
    return true;
  }
  earliest_ = std::min(earliest_, other.earliest_);
  latest_ = std::max(latest_, other.latest_);
  for (const SelectionItem& item : other.items_) {
    // An item handed over twice counts once.
    if (std::none_of(items_.begin(), items_.end(), [&](const SelectionItem& mine) {
          return mine.orderKey == item.orderKey && mine.text == item.text;
        })) {
      items_.push_back(item);
    }
  }
  return true;
}

bool Selection::Join(const Selection& other) {
  if (other.entry_ != entry_ || other.empty()) return false;
  if (empty() || other.earliest_ > latest_ + kSameUseGap) {
    *this = other;
    return true;
  }
  return other.latest_ + kSameUseGap >= earliest_ && Take(other);
}

std::wstring Selection::Text(ItemQueries& names) const {
  // A handful of items, each put in its place in turn: this stays within bounds whatever
  // the system's comparison answers, where std::sort relies on a strict order.
  std::vector<const SelectionItem*> ordered;
  for (const SelectionItem& item : items_) {
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
  AppendNumber(record, static_cast<std::uint64_t>(entry_));
  record += kFieldSeparator;
  AppendNumber(record, earliest_);
  record += kFieldSeparator;
  AppendNumber(record, latest_);
  for (const SelectionItem& item : items_) {
    record += kItemSeparator;
    record += item.orderKey;
    record += kFieldSeparator;
    record += item.text;
    record += kFieldSeparator;
    record += item.folder ? L'1' : L'0';
  }
  return record;
}

bool Selection::Decode(const std::wstring& record, std::uint64_t now, Selection* selection) {
  const std::vector<std::wstring> parts = Split(record, kItemSeparator);
  const std::vector<std::wstring> head = Split(parts[0], kFieldSeparator);
  std::uint64_t entry = 0;
  Selection decoded(Entry::kLongPath);
  if (head.size() != 3 || !ReadNumber(head[0], &entry) || entry < 1 || entry > 5 ||
      !ReadNumber(head[1], &decoded.earliest_) || !ReadNumber(head[2], &decoded.latest_) ||
      decoded.earliest_ > decoded.latest_ || decoded.latest_ - decoded.earliest_ > kLongestUse ||
      decoded.latest_ > now + kClockSlack || parts.size() < 2 || parts.size() > kMostItems + 1) {
    return false;
  }
  decoded.entry_ = static_cast<Entry>(entry);
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const std::vector<std::wstring> fields = Split(parts[i], kFieldSeparator);
    if (fields.size() != 3 || fields[1].empty() || (fields[2] != L"0" && fields[2] != L"1")) {
      return false;
    }
    decoded.items_.push_back(SelectionItem{fields[0], fields[1], fields[2] == L"1"});
  }
  *selection = std::move(decoded);
  return true;
}

}  // namespace companion
