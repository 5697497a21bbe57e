// What the companion learns about the clicked item, in its own terms, so that the text it
// copies can be built and tested without Windows.
#pragma once

#include <cstdint>

namespace companion {

enum class ItemKind { Missing, File, Folder };

// A moment as the user reads it, already in local time. File systems that do not keep a
// time (FAT keeps no creation time on some systems) leave it unknown.
struct LocalTime {
  bool known = false;
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Attribute bits with the values the file system reports, so that the Windows side hands
// them on unchanged.
namespace attribute {
inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kSystem = 0x4;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
inline constexpr std::uint32_t kNormal = 0x80;
inline constexpr std::uint32_t kTemporary = 0x100;
inline constexpr std::uint32_t kSparseFile = 0x200;
inline constexpr std::uint32_t kReparsePoint = 0x400;
inline constexpr std::uint32_t kCompressed = 0x800;
inline constexpr std::uint32_t kOffline = 0x1000;
inline constexpr std::uint32_t kNotContentIndexed = 0x2000;
inline constexpr std::uint32_t kEncrypted = 0x4000;
}  // namespace attribute

struct ItemFacts {
  ItemKind kind = ItemKind::Missing;
  std::uint64_t size = 0;  // Bytes; meaningful for files only.
  LocalTime created;
  LocalTime modified;
  LocalTime accessed;
  std::uint32_t attributes = 0;
};

}  // namespace companion
