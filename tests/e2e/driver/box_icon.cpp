#include "driver/box_icon.h"

#include <cstdint>
#include <functional>
#include <vector>

#include "driver/owned_handles.h"

namespace e2e {

namespace {

using Pixels = std::vector<std::uint32_t>;

// Renders width x height pixels with draw into a 32-bit top-down bitmap.
Pixels Render(int width, int height, const std::function<void(HDC)>& draw) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ScreenDc screen;
  OwnedMemoryDc memory(::CreateCompatibleDC(screen.get()));
  OwnedGdiObject bitmap(::CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory.valid() || !bitmap.valid() || bits == nullptr) return {};
  {
    SelectedObject selected(memory.get(), bitmap.get());
    draw(memory.get());
    ::GdiFlush();
  }
  const auto* first = static_cast<const std::uint32_t*>(bits);
  Pixels pixels(first, first + static_cast<size_t>(width) * static_cast<size_t>(height));
  for (auto& pixel : pixels) pixel &= 0x00FFFFFF;
  return pixels;
}

Pixels IconOn(HICON icon, COLORREF background, int width, int height) {
  return Render(width, height, [&](HDC dc) {
    OwnedGdiObject brush(::CreateSolidBrush(background));
    RECT all{0, 0, width, height};
    ::FillRect(dc, &all, static_cast<HBRUSH>(brush.get()));
    ::DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  });
}

// Share of the icon's opaque pixels that differ on screen; 1.0 when there is
// nothing to compare.
double Mismatch(const Pixels& on_screen, HICON icon, int width, int height) {
  const Pixels on_black = IconOn(icon, RGB(0, 0, 0), width, height);
  const Pixels on_white = IconOn(icon, RGB(255, 255, 255), width, height);
  if (on_black.size() != on_screen.size() || on_white.size() != on_screen.size()) return 1.0;
  size_t opaque = 0;
  size_t differing = 0;
  for (size_t i = 0; i < on_screen.size(); ++i) {
    if (on_black[i] != on_white[i]) continue;
    ++opaque;
    if (on_black[i] != on_screen[i]) ++differing;
  }
  return opaque < 64 ? 1.0 : static_cast<double>(differing) / static_cast<double>(opaque);
}

}  // namespace

std::wstring NameOf(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::kNone: return L"none";
    case BoxIcon::kExclamation: return L"exclamation";
    case BoxIcon::kInformation: return L"information";
    case BoxIcon::kCritical: return L"critical";
    case BoxIcon::kUnrecognised: return L"unrecognised";
  }
  return L"?";
}

BoxIcon IdentifyIcon(HWND icon_control) {
  if (icon_control == nullptr) return BoxIcon::kNone;
  RECT rect{};
  ::GetWindowRect(icon_control, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return BoxIcon::kNone;
  const Pixels on_screen = Render(width, height, [&](HDC dc) {
    ScreenDc screen;
    ::BitBlt(dc, 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY);
  });

  struct Candidate {
    BoxIcon icon;
    const wchar_t* resource;
  };
  const Candidate candidates[] = {{BoxIcon::kExclamation, IDI_EXCLAMATION},
                                  {BoxIcon::kInformation, IDI_INFORMATION},
                                  {BoxIcon::kCritical, IDI_HAND}};
  BoxIcon best = BoxIcon::kUnrecognised;
  double best_mismatch = 0.05;  // anything worse is not a match
  for (const auto& candidate : candidates) {
    const double mismatch = Mismatch(on_screen, ::LoadIconW(nullptr, candidate.resource), width, height);
    if (mismatch < best_mismatch) {
      best_mismatch = mismatch;
      best = candidate.icon;
    }
  }
  return best;
}

}  // namespace e2e
