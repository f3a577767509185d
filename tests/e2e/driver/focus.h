#pragma once

#include "platform/win32/win32_headers.h"

namespace e2e {

// The window that has the keyboard focus in the GUI thread thread_id, or nullptr.
HWND FocusOfThread(DWORD thread_id);

}  // namespace e2e
