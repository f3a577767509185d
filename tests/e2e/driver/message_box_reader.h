#pragma once

#include <string>

#include "driver/box_icon.h"
#include "platform/win32/win32_headers.h"

namespace e2e {

// What a message box shows.
struct MessageBoxView {
  std::wstring title;
  std::wstring text;
  BoxIcon icon = BoxIcon::kNone;
  bool has_only_ok_button = false;
};

MessageBoxView ReadMessageBox(HWND box);

// Presses the box's OK button.
void PressOk(HWND box);

}  // namespace e2e
