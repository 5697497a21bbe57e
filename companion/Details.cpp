#include "companion/Details.h"

#include "companion/CompanionTexts.h"
#include "companion/DecimalText.h"
#include "companion/PathText.h"

namespace companion {
namespace {

void AppendPadded(std::wstring& out, int value, std::size_t width) {
  out += DecimalText(value < 0 ? 0u : static_cast<std::uint64_t>(value), width);
}

void AppendLine(std::wstring& out, const wchar_t* label, const std::wstring& value) {
  if (!out.empty()) out += L"\r\n";
  out += label;
  out += texts::kLabelSeparator;
  out += value;
}

}  // namespace

std::wstring FormatByteCount(std::uint64_t bytes) {
  std::wstring out = DecimalText(bytes);
  for (std::size_t group = out.size(); group > 3; group -= 3) out.insert(group - 3, 1, L',');
  return out;
}

std::wstring FormatLocalTime(const LocalTime& time) {
  if (!time.known) return texts::kUnknownTime;
  std::wstring out;
  AppendPadded(out, time.year, 4);
  out += L'/';
  AppendPadded(out, time.month, 2);
  out += L'/';
  AppendPadded(out, time.day, 2);
  out += L' ';
  AppendPadded(out, time.hour, 2);
  out += L':';
  AppendPadded(out, time.minute, 2);
  out += L':';
  AppendPadded(out, time.second, 2);
  return out;
}

std::wstring FormatAttributes(std::uint32_t attributes) {
  std::wstring out;
  for (const texts::AttributeName& known : texts::kAttributeNames) {
    if ((attributes & known.bit) == 0) continue;
    if (!out.empty()) out += texts::kListSeparator;
    out += known.name;
  }
  return out.empty() ? std::wstring(texts::kNoAttributes) : out;
}

std::wstring FormatDetails(const std::wstring& fullPath, const ItemFacts& facts) {
  const bool isFile = facts.kind == ItemKind::File;
  std::wstring out;
  AppendLine(out, texts::kNameLabel, NameOf(fullPath));
  AppendLine(out, texts::kFullPathLabel, fullPath);
  AppendLine(out, texts::kKindLabel, isFile ? texts::kKindFile : texts::kKindFolder);
  if (isFile) AppendLine(out, texts::kSizeLabel, FormatByteCount(facts.size) + texts::kBytesUnit);
  AppendLine(out, texts::kCreatedLabel, FormatLocalTime(facts.created));
  AppendLine(out, texts::kModifiedLabel, FormatLocalTime(facts.modified));
  AppendLine(out, texts::kAccessedLabel, FormatLocalTime(facts.accessed));
  AppendLine(out, texts::kAttributesLabel, FormatAttributes(facts.attributes));
  return out;
}

}  // namespace companion
