#include "ui/owner_drawn_button.h"

// <commctrl.h> needs the Windows types first.
#include "platform/win32/win32_headers.h"

#include <commctrl.h>

#include <string>

namespace ui {

namespace {

// The dotted rectangle sits just inside the two-pixel edge, as on system buttons.
constexpr int kFocusInset = 3;

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Keeps the DC's selections and colours as the button handed them over.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDcState() {
    if (saved_ != 0) RestoreDC(dc_, saved_);
  }
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

LRESULT CALLBACK DoubleClickAsPressProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                        UINT_PTR, DWORD_PTR) {
  if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, DoubleClickAsPressProc, 0);
  return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace

void PaintPushButton(const DRAWITEMSTRUCT& item, HBRUSH face) {
  const HDC dc = item.hDC;
  const SavedDcState saved(dc);
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;

  RECT inside = item.rcItem;
  DrawFrameControl(dc, &inside, DFC_BUTTON,
                   DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
  FillRect(dc, &inside, face);

  const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
  if (font != nullptr) SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  RECT text_rect = inside;
  if (pressed) OffsetRect(&text_rect, 1, 1);
  std::wstring text = WindowText(item.hwndItem);
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &text_rect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -kFocusInset, -kFocusInset);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &focus);
  }
}

void TreatDoubleClickAsPress(HWND button) {
  SetWindowSubclass(button, DoubleClickAsPressProc, 0, 0);
}

}  // namespace ui
