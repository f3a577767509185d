#include "driver/control_snapshot.h"

#include "driver/window_lookup.h"

namespace e2e {

RECT RectInParent(HWND child) {
  RECT rect{};
  ::GetWindowRect(child, &rect);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::vector<ControlSnapshot> ReadChildControls(HWND parent) {
  std::vector<ControlSnapshot> controls;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    ControlSnapshot control;
    control.window = child;
    control.class_name = ClassOf(child);
    control.text = TextOf(child);
    control.rect = RectInParent(child);
    control.style = ::GetWindowLongW(child, GWL_STYLE);
    control.extended_style = ::GetWindowLongW(child, GWL_EXSTYLE);
    controls.push_back(std::move(control));
  }
  return controls;
}

}  // namespace e2e
