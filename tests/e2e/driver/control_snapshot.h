#pragma once

#include <string>
#include <vector>

#include "platform/win32/win32_headers.h"

namespace e2e {

// What a user can see of one child control, read from outside the product.
struct ControlSnapshot {
  HWND window = nullptr;
  std::wstring class_name;
  std::wstring text;
  RECT rect{};  // in the parent's client coordinates
  LONG style = 0;
  LONG extended_style = 0;
};

// The direct children of parent, in their z-order (which is their tab order).
std::vector<ControlSnapshot> ReadChildControls(HWND parent);

// A child's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);

}  // namespace e2e
