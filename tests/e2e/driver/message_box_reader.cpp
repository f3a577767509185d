#include "driver/message_box_reader.h"

#include "driver/window_lookup.h"

namespace e2e {

namespace {

// The message text sits in the static control with this id.
constexpr int kMessageTextId = 0xFFFF;

HWND IconControlOf(HWND box) {
  for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const LONG style = ::GetWindowLongW(child, GWL_STYLE);
    if (ClassOf(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON && ::IsWindowVisible(child)) return child;
  }
  return nullptr;
}

bool HasOnlyOkButton(HWND box) {
  int buttons = 0;
  bool ok = false;
  for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) != L"Button" || !::IsWindowVisible(child)) continue;
    ++buttons;
    ok = ok || ::GetDlgCtrlID(child) == IDOK;
  }
  return buttons == 1 && ok;
}

}  // namespace

MessageBoxView ReadMessageBox(HWND box) {
  MessageBoxView view;
  view.title = TextOf(box);
  if (HWND text = ::GetDlgItem(box, kMessageTextId)) view.text = TextOf(text);
  view.icon = IdentifyIcon(IconControlOf(box));
  view.has_only_ok_button = HasOnlyOkButton(box);
  return view;
}

void PressOk(HWND box) {
  if (HWND ok = ::GetDlgItem(box, IDOK)) {
    ::PostMessageW(ok, BM_CLICK, 0, 0);
  } else {
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
}

}  // namespace e2e
