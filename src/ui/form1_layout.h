#pragma once

#include <array>

#include "platform/win32/win32_headers.h"

namespace ui {

// Positions and sizes are in twips (1/1440 inch); 15 twips make one pixel at 96 dpi.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

inline constexpr int kClientWidthTwips = 9480;
inline constexpr int kClientHeightTwips = 6525;

inline constexpr COLORREF kFormBackColor = RGB(224, 224, 224);
inline constexpr COLORREF kButtonBackColor = RGB(255, 192, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kRed = RGB(255, 0, 0);

// Ids stay clear of IDOK and IDCANCEL, which the dialog keyboard handling sends
// for Enter and Esc.
enum ControlId : int {
  kTxtKodSek = 101,
  kLblKodSek,
  kCmdRepair,
  kLabel4,
  kLabel5,
  kLabel6,
  kLabel7,
};

enum class ControlKind { kTextBox, kLabel, kButton };

struct ControlLayout {
  ControlId id;
  ControlKind kind;
  const wchar_t* text;
  TwipsRect rect;
  COLORREF fore_color;  // the button paints the system's button-text colour instead
};

// In tab order, which is also the order of creation.
inline constexpr std::array<ControlLayout, 7> kForm1Controls{{
    {kTxtKodSek, ControlKind::kTextBox, L"", {3855, 2610, 1110, 405}, kBlack},
    {kLblKodSek, ControlKind::kLabel, L"Kod sekolah :", {2400, 2640, 1335, 285}, kBlack},
    {kCmdRepair, ControlKind::kButton, L"Klik Untuk Repair", {3330, 5280, 2055, 585}, kBlack},
    {kLabel4, ControlKind::kLabel, L"COMPACT AND REPAIR RekodarisSM20XX.accdb", {2040, 1920, 5355, 315}, kBlack},
    {kLabel5, ControlKind::kLabel, L"PASTIKAN REKODARIS TIDAK RUNNING SEBELUM KLIK BUTANG DI BAWAH",
     {300, 4470, 8835, 315}, kRed},
    {kLabel6, ControlKind::kLabel, L"MUSTAHAK:", {300, 4140, 8835, 315}, kRed},
    {kLabel7, ControlKind::kLabel, L"(JANGAN MULAKAN REKODARIS)", {300, 4800, 8835, 315}, kRed},
}};

}  // namespace ui
