// An in-memory file system for the companion's tests: items by the exact path they are asked
// for, each with its long and short forms and its facts; names in the plain stand-in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "companion/ItemQueries.h"
#include "companion/LogicalOrder.h"

namespace companion::testing {

class FakeItemQueries final : public ItemQueries {
 public:
  struct Item {
    std::wstring longPath;
    std::wstring shortPath;  // Empty: the volume keeps no short names.
    ItemFacts facts;
  };

  // Adds an item reachable under `path`; the same item may be added under several spellings.
  Item& Add(const std::wstring& path, ItemKind kind, const std::wstring& longPath,
            const std::wstring& shortPath) {
    Item& item = items_[path];
    item.longPath = longPath;
    item.shortPath = shortPath;
    item.facts.kind = kind;
    return item;
  }

  std::wstring LongPath(const std::wstring& path) override {
    asked.push_back(path);
    auto found = items_.find(path);
    return found == items_.end() ? std::wstring() : found->second.longPath;
  }
  std::wstring ShortPath(const std::wstring& path) override {
    asked.push_back(path);
    auto found = items_.find(path);
    return found == items_.end() ? std::wstring() : found->second.shortPath;
  }
  ItemFacts Facts(const std::wstring& path) override {
    asked.push_back(path);
    auto found = items_.find(path);
    return found == items_.end() ? ItemFacts() : found->second.facts;
  }
  int CompareNames(const std::wstring& a, const std::wstring& b) override {
    return CompareLogically(a, b);
  }

  std::vector<std::wstring> asked;  // Every path a query was made with, in order.

 private:
  std::map<std::wstring, Item> items_;
};

}  // namespace companion::testing
