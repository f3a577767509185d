#include <vector>

#include "product_fixture.h"

namespace e2e {
namespace {

std::vector<RECT> ControlRects(HWND form) {
  std::vector<RECT> rects;
  for (const auto& control : ReadChildControls(form)) rects.push_back(control.rect);
  return rects;
}

bool SameRects(const std::vector<RECT>& a, const std::vector<RECT>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (!::EqualRect(&a[i], &b[i])) return false;
  }
  return true;
}

class WindowTest : public ProductTest {};

TEST_F(WindowTest, ResizingAndMaximisingMoveNoControl) {
  const auto before = ControlRects(form_);
  ASSERT_EQ(before.size(), 7u);
  RECT frame{};
  ::GetWindowRect(form_, &frame);
  const SIZE sizes[] = {{900, 700}, {300, 200}};
  for (const auto& size : sizes) {
    ASSERT_TRUE(::SetWindowPos(form_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    EXPECT_TRUE(SameRects(ControlRects(form_), before)) << "after resizing to " << size.cx << "x" << size.cy;
  }
  ::PostMessageW(form_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  ASSERT_TRUE(WaitUntil([&] { return ::IsZoomed(form_) != FALSE; }));
  EXPECT_TRUE(SameRects(ControlRects(form_), before)) << "after maximising";
  EXPECT_TRUE(StillOpen());
}

struct CloseCase {
  const char* name;
  UINT message;
  WPARAM parameter;
};

class CloseWhileIdleTest : public ProductTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseWhileIdleTest, EndsTheProgramWithoutQuestionAndTouchesNoFile) {
  // A complete session on disk, so that closing would show if it ran the repair.
  CreateDataFile(L"DataSesi2023-SM-ABC1234\\RekodarisSM2023.accdb", "database bytes");
  CreateDataFile(L"DataSesi2023-SM-ABC1234\\RekodarisSM2023.laccdb", "lock bytes");
  const FileTree before = ListDataRoot();
  ::SendMessageTimeoutW(box_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ABC1234"), SMTO_ABORTIFHUNG, 2000, nullptr);

  ::PostMessageW(form_, GetParam().message, GetParam().parameter, 0);
  EXPECT_TRUE(Ended()) << "the program still runs; a box of its own: " << (FindDialogOfThread(ui_thread_) != nullptr);
  EXPECT_EQ(ListDataRoot(), before);
}

INSTANTIATE_TEST_SUITE_P(Idle, CloseWhileIdleTest,
                         ::testing::Values(CloseCase{"CloseButton", WM_SYSCOMMAND, SC_CLOSE},
                                           CloseCase{"CloseMessage", WM_CLOSE, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
