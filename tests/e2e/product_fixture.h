#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver/control_snapshot.h"
#include "driver/data_root.h"
#include "driver/focus.h"
#include "driver/product_process.h"
#include "driver/wine_path.h"
#include "driver/window_lookup.h"

namespace e2e {

// A message text made readable in a test's failure output: line breaks shown
// as escapes, anything beyond ASCII as '?'.
inline std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (const wchar_t c : text) {
    if (c == L'\r') narrow += "\\r";
    else if (c == L'\n') narrow += "\\n";
    else narrow.push_back(c < 128 ? static_cast<char>(c) : '?');
  }
  return narrow;
}

inline const std::wstring kApplicationTitle = L"CompactAndRepair_RekodarisSM20xxAccdb";

// Starts a fresh copy of the product for each test, with a clean data root, and
// removes the process and the data root afterwards.
class ProductTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveDataRoot();
    product_ = std::make_unique<ProductProcess>(WindowsPathOf(PRODUCT_EXE_PATH));
    form_ = WaitForTopLevelWindow(product_->process_id(), L"Form1");
    ASSERT_NE(form_, nullptr) << "the window titled Form1 did not appear";
    ui_thread_ = ::GetWindowThreadProcessId(form_, nullptr);
    for (const auto& control : ReadChildControls(form_)) {
      if (control.class_name == L"Edit") box_ = control.window;
      if (control.class_name == L"Button" && control.text == L"Klik Untuk Repair") button_ = control.window;
    }
    ASSERT_NE(box_, nullptr) << "no text box";
    ASSERT_NE(button_, nullptr) << "no button";
  }

  void TearDown() override {
    product_.reset();
    RemoveDataRoot();
  }

  HWND Focus() const { return FocusOfThread(ui_thread_); }
  bool Ended(std::chrono::milliseconds timeout = kStepTimeout) const { return product_->EndsWithin(timeout); }
  bool StillOpen() const { return !product_->EndsWithin(std::chrono::milliseconds(0)) && ::IsWindowVisible(form_); }

  std::unique_ptr<ProductProcess> product_;
  HWND form_ = nullptr;
  HWND box_ = nullptr;
  HWND button_ = nullptr;
  DWORD ui_thread_ = 0;
};

}  // namespace e2e
