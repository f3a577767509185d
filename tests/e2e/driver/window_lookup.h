#pragma once

#include <chrono>
#include <string>

#include "driver/bounded_wait.h"
#include "platform/win32/win32_headers.h"

namespace e2e {

// The text of any window, also one of another process (WM_GETTEXT, bounded).
std::wstring TextOf(HWND window);

// The registered class name of a window.
std::wstring ClassOf(HWND window);

// The visible top-level window of process process_id titled title, waiting up to
// timeout for it to appear; nullptr when none appeared.
HWND WaitForTopLevelWindow(DWORD process_id, const std::wstring& title,
                           std::chrono::milliseconds timeout = kStepTimeout);

// The visible dialog-class ("#32770") window of thread thread_id, such as a
// message box; nullptr when there is none right now.
HWND FindDialogOfThread(DWORD thread_id);

// As FindDialogOfThread, waiting up to timeout for one to appear.
HWND WaitForDialogOfThread(DWORD thread_id, std::chrono::milliseconds timeout = kStepTimeout);

}  // namespace e2e
