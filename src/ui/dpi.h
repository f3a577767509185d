#pragma once

#include "platform/win32/win32_headers.h"
#include "ui/form1_layout.h"

namespace ui {

inline constexpr UINT kDefaultDpi = 96;

// The dots per inch the window is drawn at (its monitor's, when the system
// scales per monitor).
UINT WindowDpi(HWND window);

// Twips to pixels at the given dpi, rounded to the nearest pixel.
int TwipsToPixels(int twips, UINT dpi);
RECT PixelRect(const TwipsRect& rect, UINT dpi);

// The outer size of a window with the given frame whose client area is the given size.
SIZE WindowSizeForClient(int client_width, int client_height, DWORD style, DWORD ex_style, UINT dpi);

}  // namespace ui
