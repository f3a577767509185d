#include "ui/form_font.h"

#include <algorithm>
#include <string_view>

namespace ui {

namespace {

// 9.75 points in hundredths, against 7200 hundredths of a point per inch.
constexpr int kSizeHundredthsOfPoint = 975;
constexpr int kHundredthsOfPointPerInch = 7200;

}  // namespace

Font CreateFormFont(UINT dpi, bool italic) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(kSizeHundredthsOfPoint, static_cast<int>(dpi), kHundredthsOfPointPerInch);
  font.lfWeight = FW_BOLD;
  font.lfItalic = italic ? TRUE : FALSE;
  font.lfCharSet = ANSI_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  // Where Arial is missing, another sans-serif face stands in.
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  constexpr std::wstring_view kFace = L"Arial";
  std::copy(kFace.begin(), kFace.end(), font.lfFaceName);
  return Font(CreateFontIndirectW(&font));
}

}  // namespace ui
