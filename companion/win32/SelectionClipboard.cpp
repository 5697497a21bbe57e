#include "companion/win32/SelectionClipboard.h"

#include <windows.h>

#include <utility>

#include "companion/win32/Clipboard.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ProcessImage.h"

namespace companion::win32 {
namespace {

// Registering a name again gives the same number. Not kept in a function-local static: its
// thread-safe initialisation would bring the C++ library's exception support into the program.
UINT SelectionFormat() {
  return RegisterClipboardFormatW(L"Vantrel.Selection");
}

// The formats Windows reads to keep contents out of its clipboard history, out of the cloud
// clipboard and away from clipboard monitors: a DWORD 0 for the first two, any data for the
// last.
constexpr const wchar_t* kPartialFormats[] = {L"CanIncludeInClipboardHistory",
                                              L"CanUploadToCloudClipboard",
                                              L"ExcludeClipboardContentFromMonitorProcessing"};

// The text of a clipboard block in the open clipboard; empty when there is none.
std::wstring TextOfBlock(HANDLE data) {
  if (data == nullptr) return std::wstring();
  ::win32::ScopedGlobalLock locked(data);
  if (locked.data() == nullptr) return std::wstring();
  std::wstring text(static_cast<const wchar_t*>(locked.data()), GlobalSize(data) / sizeof(wchar_t));
  const std::size_t end = text.find(L'\0');
  if (end != std::wstring::npos) text.resize(end);
  return text;
}

}  // namespace

bool PutSelection(const std::wstring& text, const std::wstring& record, Write write) {
  ::win32::UniqueGlobal textBlock = BlockOf(text);
  ::win32::UniqueGlobal recordBlock = BlockOf(record);
  if (!textBlock || !EmptyClipboard() || !Put(CF_UNICODETEXT, std::move(textBlock))) return false;
  Put(SelectionFormat(), std::move(recordBlock));
  const DWORD no = 0;
  if (write == Write::kPartial) {
    for (const wchar_t* name : kPartialFormats) {
      Put(RegisterClipboardFormatW(name), BlockOf(&no, sizeof no));
    }
  }
  return true;
}

ClipboardRecord RecordOnClipboard(const std::wstring& program) {
  const UINT format = SelectionFormat();
  if (format == 0 || !IsClipboardFormatAvailable(format)) return ClipboardRecord();
  // The owner is the window that emptied the clipboard last; none once that window is gone.
  const HWND owner = GetClipboardOwner();
  const RecordWriter writer = owner == nullptr ? RecordWriter::kEnded
                              : ::win32::WindowRunsProgram(owner, program)
                                  ? RecordWriter::kThisProgram
                                  : RecordWriter::kOtherProgram;
  return ClipboardRecord{TextOfBlock(GetClipboardData(format)), writer};
}

}  // namespace companion::win32
