#include "companion/ClipboardText.h"

#include <utility>

#include "companion/Details.h"
#include "companion/PathText.h"

namespace companion {
namespace {

Outcome Text(std::wstring text, const std::wstring& longPath, const ItemFacts& facts) {
  return Outcome{Problem::kNone, std::move(text), longPath, facts.kind == ItemKind::Folder};
}

}  // namespace

Outcome BuildClipboardText(Entry entry, const std::wstring& path, ItemQueries& queries) {
  // Explorer never adds a separator after a folder's name, but a typed path may; Windows
  // itself ignores it, and so must the location.
  const std::wstring item = TrimTrailingSeparators(path);
  const ItemFacts facts = queries.Facts(item);
  if (facts.kind == ItemKind::Missing) return Outcome{Problem::kPathNotFound, path, {}};

  std::wstring longPath = TrimTrailingSeparators(queries.LongPath(item));
  if (longPath.empty()) longPath = WithoutExtendedLengthPrefix(item);
  switch (entry) {
    case Entry::kLongPath:
      return Text(longPath, longPath, facts);
    case Entry::kLongLocation:
      return Text(LocationOf(longPath), longPath, facts);
    case Entry::kDetails:
      return Text(FormatDetails(longPath, facts), longPath, facts);
    case Entry::kShortPath:
    case Entry::kShortLocation:
      break;
  }
  std::wstring shortPath = TrimTrailingSeparators(queries.ShortPath(item));
  if (shortPath.empty()) shortPath = longPath;
  return Text(entry == Entry::kShortPath ? shortPath : LocationOf(shortPath), longPath, facts);
}

PreparedStart PrepareStart(const std::wstring& commandLine, ItemQueries& queries) {
  const Request request = ParseRequest(SplitCommandLine(commandLine));
  if (request.problem != Problem::kNone) {
    return PreparedStart{request.entry, Outcome{request.problem, request.detail, {}}};
  }
  return PreparedStart{request.entry, BuildClipboardText(request.entry, request.path, queries)};
}

}  // namespace companion
