#pragma once

#include <string>

#include "platform/win32/win32_headers.h"

namespace e2e {

// Real input through the system's input queue (SendInput), as a user gives it.
// It reaches the foreground window, so each call first brings window there;
// each returns false when that or the input itself failed.

bool TypeText(HWND window, const std::wstring& text);

// Presses and releases one virtual key, with Shift held when with_shift.
bool PressKey(HWND window, WORD virtual_key, bool with_shift = false);

// A left click at the centre of target, which lies in window.
bool ClickCentreOf(HWND window, HWND target);

// Makes window the foreground window; true when it is.
bool BringToForeground(HWND window);

}  // namespace e2e
