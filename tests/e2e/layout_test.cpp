#include <sstream>
#include <string>
#include <vector>

#include "driver/font_probe.h"
#include "product_fixture.h"

namespace e2e {
namespace {

struct ExpectedControl {
  const wchar_t* class_name;
  const wchar_t* text;
  RECT rect;  // left, top, right, bottom in client pixels at 96 dpi
  bool italic;
};

// left/top/width/height of the layout table turned into rectangles
constexpr RECT At(LONG left, LONG top, LONG width, LONG height) { return {left, top, left + width, top + height}; }

const ExpectedControl kControls[] = {
    {L"Edit", L"", At(257, 174, 74, 27), false},
    {L"Static", L"Kod sekolah :", At(160, 176, 89, 19), true},
    {L"Button", L"Klik Untuk Repair", At(222, 352, 137, 39), false},
    {L"Static", L"COMPACT AND REPAIR RekodarisSM20XX.accdb", At(136, 128, 357, 21), true},
    {L"Static", L"PASTIKAN REKODARIS TIDAK RUNNING SEBELUM KLIK BUTANG DI BAWAH", At(20, 298, 589, 21), true},
    {L"Static", L"MUSTAHAK:", At(20, 276, 589, 21), true},
    {L"Static", L"(JANGAN MULAKAN REKODARIS)", At(20, 320, 589, 21), true},
};

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

std::string Describe(const RECT& r) {
  std::ostringstream text;
  text << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
  return text.str();
}

class LayoutTest : public ProductTest {};

TEST_F(LayoutTest, WindowHasTitleFrameAndClientSize) {
  EXPECT_EQ(TextOf(form_), L"Form1");
  RECT client{};
  ::GetClientRect(form_, &client);
  EXPECT_EQ(client.right - client.left, 632);
  EXPECT_EQ(client.bottom - client.top, 435);
  const LONG style = ::GetWindowLongW(form_, GWL_STYLE);
  EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW) << "resizable frame with system menu and all buttons";
  EXPECT_FALSE(::IsIconic(form_));
  EXPECT_FALSE(::IsZoomed(form_));
}

TEST_F(LayoutTest, SevenControlsWithTheirClassesTextsRectanglesAndFonts) {
  const auto controls = ReadChildControls(form_);
  ASSERT_EQ(controls.size(), std::size(kControls));
  for (const auto& expected : kControls) {
    SCOPED_TRACE(Narrow(expected.text[0] ? expected.text : L"txtKodSek"));
    const ControlSnapshot* found = nullptr;
    for (const auto& control : controls) {
      if (_wcsicmp(control.class_name.c_str(), expected.class_name) == 0 && control.text == expected.text) found = &control;
    }
    ASSERT_NE(found, nullptr) << "no " << Narrow(expected.class_name) << " with this text";
    EXPECT_TRUE(::EqualRect(&found->rect, &expected.rect))
        << "at " << Describe(found->rect) << ", expected " << Describe(expected.rect);
    const auto read_font = ReadFontThroughProbe(found->window, WindowsPathOf(FONT_PROBE_PATH));
    ASSERT_TRUE(read_font.has_value()) << "the control's font cannot be read";
    const LOGFONTW& font = *read_font;
    EXPECT_STREQ(font.lfFaceName, L"Arial");
    EXPECT_EQ(font.lfHeight, -13);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfItalic != 0, expected.italic);
    EXPECT_EQ(font.lfUnderline, 0);
    EXPECT_EQ(font.lfStrikeOut, 0);
    EXPECT_EQ(font.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(found->text.find(L'&'), std::wstring::npos) << "no access-key marker";
  }
}

TEST_F(LayoutTest, NoTwoControlsOverlap) {
  const auto controls = ReadChildControls(form_);
  for (size_t i = 0; i < controls.size(); ++i) {
    for (size_t j = i + 1; j < controls.size(); ++j) {
      RECT overlap{};
      EXPECT_FALSE(::IntersectRect(&overlap, &controls[i].rect, &controls[j].rect))
          << Narrow(controls[i].text) << " " << Describe(controls[i].rect) << " overlaps " << Narrow(controls[j].text)
          << " " << Describe(controls[j].rect);
    }
  }
}

TEST_F(LayoutTest, ButtonIsNoDefaultButtonAndBoxHasNoLimit) {
  const LONG button_type = ::GetWindowLongW(button_, GWL_STYLE) & BS_TYPEMASK;
  EXPECT_NE(button_type, BS_DEFPUSHBUTTON);

  const LONG box_style = ::GetWindowLongW(box_, GWL_STYLE);
  EXPECT_EQ(box_style & ES_MULTILINE, 0) << "one line";
  EXPECT_NE(::GetWindowLongW(box_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0) << "sunken border";
  DWORD_PTR limit = 0;
  ASSERT_TRUE(::SendMessageTimeoutW(box_, EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG, 2000, &limit));
  EXPECT_GT(limit, 32767u) << "the box must take codes of any length";
  EXPECT_EQ(TextOf(box_), L"");
}

}  // namespace
}  // namespace e2e
