#pragma once

#include <string>

#include "platform/win32/win32_headers.h"

namespace e2e {

enum class BoxIcon { kNone, kExclamation, kInformation, kCritical, kUnrecognised };

std::wstring NameOf(BoxIcon icon);

// Which of the system's message-box icons the icon control icon_control shows.
// Handles of another process cannot be compared, so the decision is taken on
// the pixels on screen: each system icon is drawn here and compared where it is
// opaque. nullptr gives kNone.
BoxIcon IdentifyIcon(HWND icon_control);

}  // namespace e2e
