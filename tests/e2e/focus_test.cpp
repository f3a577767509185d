#include "driver/user_input.h"
#include "product_fixture.h"

namespace e2e {
namespace {

// Nothing may react to a key within this time for the key to count as ignored.
constexpr std::chrono::milliseconds kQuietPeriod{1000};

class FocusTest : public ProductTest {
 protected:
  // The key neither opened a message box nor closed the window.
  void ExpectKeyIgnored(WORD key) {
    ASSERT_TRUE(PressKey(form_, key));
    EXPECT_FALSE(WaitUntil([&] { return FindDialogOfThread(ui_thread_) != nullptr || !StillOpen(); }, kQuietPeriod))
        << "key " << key << " started something";
    EXPECT_TRUE(StillOpen());
    EXPECT_EQ(Focus(), box_);
  }
};

TEST_F(FocusTest, BoxHasTheFocusAtStartAndTakesTypedCharacters) {
  EXPECT_TRUE(WaitUntil([&] { return Focus() == box_; })) << "focus is on " << Focus();
  ASSERT_TRUE(TypeText(form_, L"ab 1\\"));
  EXPECT_EQ(TextOf(box_), L"ab 1\\");
}

TEST_F(FocusTest, TabAndShiftTabMoveBetweenBoxAndButtonOnly) {
  ASSERT_TRUE(WaitUntil([&] { return Focus() == box_; }));
  struct Step {
    bool shift;
    HWND expected;
  };
  const Step steps[] = {{false, button_}, {false, box_}, {true, button_}, {true, box_}};
  int index = 0;
  for (const auto& step : steps) {
    SCOPED_TRACE("step " + std::to_string(index++) + (step.shift ? " Shift+Tab" : " Tab"));
    ASSERT_TRUE(PressKey(form_, VK_TAB, step.shift));
    EXPECT_TRUE(WaitUntil([&] { return Focus() == step.expected; }, std::chrono::milliseconds(1000)))
        << "focus is on " << ClassOf(Focus()).c_str() << " '" << std::string(TextOf(Focus()).begin(), TextOf(Focus()).end())
        << "'";
  }
}

TEST_F(FocusTest, EnterAndEscInTheBoxDoNothing) {
  ASSERT_TRUE(WaitUntil([&] { return Focus() == box_; }));
  ASSERT_TRUE(TypeText(form_, L"ABC"));
  ExpectKeyIgnored(VK_RETURN);
  ExpectKeyIgnored(VK_ESCAPE);
  EXPECT_EQ(TextOf(box_), L"ABC");
}

TEST_F(FocusTest, SwitchingAwayAndBackLeavesTheFocusOnTheButton) {
  ASSERT_TRUE(WaitUntil([&] { return Focus() == box_; }));
  ASSERT_TRUE(PressKey(form_, VK_TAB));
  ASSERT_TRUE(WaitUntil([&] { return Focus() == button_; }));

  // Another application's window takes the foreground, then the user comes back.
  HWND other = ::CreateWindowExW(0, L"Static", L"other application", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                 100, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  EXPECT_TRUE(BringToForeground(other));
  EXPECT_TRUE(BringToForeground(form_));
  ::DestroyWindow(other);
  EXPECT_FALSE(WaitUntil([&] { return Focus() != button_; }, std::chrono::milliseconds(500)))
      << "the focus moved away from the button";
}

}  // namespace
}  // namespace e2e
