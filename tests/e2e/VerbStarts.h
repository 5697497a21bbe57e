// Starting the installed verbs as the shell does, and waiting for what they start to end.
#pragma once

#include <string>

namespace e2e {

// Runs the verb (e.g. "Vantrel1") on folder through ShellExecuteExW, which reads the verbs
// under "Folder", and waits for the program it starts to end. False, with the reason in
// error, when nothing was started, or it did not end in time or not with exit code 0.
bool StartFolderVerb(const std::wstring& verb, const std::wstring& folder, std::wstring* error);

// A command value as the shell expands it for item: "%1" becomes the item's path and "%%"
// one '%'; any other '%' stays as it is. (Wine's shell does not read verbs under "*", so the
// file verbs are expanded here.)
std::wstring ExpandForItem(const std::wstring& command, const std::wstring& item);

// Starts an expanded command line as the shell would and waits for it to end, as above.
bool RunCommandLine(const std::wstring& commandLine, std::wstring* error);

}  // namespace e2e
