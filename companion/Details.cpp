#include "companion/Details.h"

#include "companion/CompanionTexts.h"
#include "companion/PathText.h"

namespace companion {
namespace {

void AppendPadded(std::wstring& out, int value, int width) {
  wchar_t digits[12];
  int count = 0;
  unsigned rest = value < 0 ? 0u : static_cast<unsigned>(value);
  do {
    digits[count++] = static_cast<wchar_t>(L'0' + rest % 10);
    rest /= 10;
  } while (rest != 0 && count < 11);
  for (int pad = count; pad < width; ++pad) out += L'0';
  while (count > 0) out += digits[--count];
}

void AppendLine(std::wstring& out, const wchar_t* label, const std::wstring& value) {
  if (!out.empty()) out += L"\r\n";
  out += label;
  out += texts::kLabelSeparator;
  out += value;
}

}  // namespace

std::wstring FormatByteCount(std::uint64_t bytes) {
  wchar_t reversed[32];
  int count = 0;
  do {
    if (count % 4 == 3) reversed[count++] = L',';
    reversed[count++] = static_cast<wchar_t>(L'0' + bytes % 10);
    bytes /= 10;
  } while (bytes != 0);
  std::wstring out;
  while (count > 0) out += reversed[--count];
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
