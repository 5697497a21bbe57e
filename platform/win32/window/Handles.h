// The window's handles are held by the wrappers both programs share.
#pragma once

#include "platform/win32/Handles.h"

namespace win32 {

// The system's message font (the face message boxes use), so Japanese text shows in the
// interface font of the user's system. nullptr when the system gives no metrics.
UniqueFont CreateMessageFont();

}  // namespace win32
