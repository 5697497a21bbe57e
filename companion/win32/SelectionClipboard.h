// The clipboard as the process that gathers a selection writes it: the joined text for every
// program, and beside it the selection itself in a format of its own, so that a start coming
// after that process ended carries the same selection on instead of replacing it. Both
// functions work on the clipboard the caller opened.
#pragma once

#include <string>

#include "companion/Selection.h"

namespace companion::win32 {

// A write made while more items may come is a step on the way to the user's copy, not a copy
// of its own: it carries the formats that keep it out of the clipboard history, the cloud
// clipboard and the programs that watch the clipboard. The whole selection is written once
// more without them at the end.
enum class Write { kPartial, kWhole };

// Empties the clipboard and puts `text` and the selection's `record` there. Both are made
// into blocks before EmptyClipboard, which may answer the messages other starts send while it
// waits for the clipboard's previous owner. False when the text could not be put there.
bool PutSelection(const std::wstring& text, const std::wstring& record, Write write);

// The selection record on the clipboard and who wrote it, `program` being this program's own
// file as ImagePathOf names it. No record, written by another program, when there is none.
struct ClipboardRecord {
  std::wstring text;
  RecordWriter writer = RecordWriter::kOtherProgram;
};
ClipboardRecord RecordOnClipboard(const std::wstring& program);

}  // namespace companion::win32
