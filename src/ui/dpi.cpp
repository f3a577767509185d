#include "ui/dpi.h"

#include "ui/system_function.h"

namespace ui {

namespace {

constexpr int kTwipsPerInch = 1440;

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

UINT ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  if (screen == nullptr) return kDefaultDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

}  // namespace

UINT WindowDpi(HWND window) {
  static const auto get_dpi_for_window =
      SystemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
  if (get_dpi_for_window != nullptr && window != nullptr) {
    const UINT dpi = get_dpi_for_window(window);
    if (dpi != 0) return dpi;
  }
  return ScreenDpi();
}

int TwipsToPixels(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch);
}

RECT PixelRect(const TwipsRect& rect, UINT dpi) {
  const int left = TwipsToPixels(rect.left, dpi);
  const int top = TwipsToPixels(rect.top, dpi);
  return RECT{left, top, left + TwipsToPixels(rect.width, dpi), top + TwipsToPixels(rect.height, dpi)};
}

SIZE WindowSizeForClient(int client_width, int client_height, DWORD style, DWORD ex_style, UINT dpi) {
  static const auto adjust_for_dpi =
      SystemFunction<AdjustWindowRectExForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
  RECT rect{0, 0, client_width, client_height};
  if (adjust_for_dpi == nullptr || !adjust_for_dpi(&rect, style, FALSE, ex_style, dpi)) {
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  }
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace ui
