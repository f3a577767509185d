#pragma once

#include <optional>
#include <string>

#include "platform/win32/win32_headers.h"

namespace e2e {

// Reads the LOGFONT of a control of another process through the hook library
// at probe_library_path, which is loaded into the control's thread.
// Empty when the font cannot be read.
std::optional<LOGFONTW> ReadFontThroughProbe(HWND control, const std::wstring& probe_library_path);

}  // namespace e2e
