#pragma once

#include <array>
#include <exception>
#include <string>

#include "platform/database_engine.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/text_case.h"
#include "platform/win32/win32_headers.h"
#include "repair/repair_run.h"
#include "repair/repair_window.h"
#include "ui/form1_layout.h"
#include "ui/gdi_object.h"

namespace ui {

// The program's only window: the school-code box, its labels and the repair
// button. It owns the run state through its RepairRun for as long as it exists.
class Form1 final : public repair::RepairWindow {
 public:
  Form1(HINSTANCE instance, platform::FileSystem& fso, platform::MessageBoxService& messages,
        platform::TextCase& text_case, platform::DatabaseEngineFactory& engines);
  ~Form1() override;

  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Null once the window has been destroyed.
  HWND hwnd() const { return hwnd_; }

  // Shows the window in its normal state and activates it.
  void Show();

  // A failure that escaped a message handler is kept here, since it must not
  // unwind through the system's window code, and is raised again once the
  // message loop has ended.
  void RethrowEscapedFailure();

  // repair::RepairWindow
  std::wstring KodSekText() override;
  void FocusKodSek() override;
  void Close() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  void Form_Load();
  void Form_Activate();
  void cmdRepair_Click();

  void OnActivate(WPARAM wparam);
  void OnSetFocus();
  void OnCommand(int id, int code, HWND control);
  void OnEraseBackground(HDC dc);
  LRESULT OnCtlColorStatic(HDC dc, HWND control);
  LRESULT OnCtlColorEdit(HDC dc);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnDpiChanged(UINT dpi, const RECT& suggested);
  void OnNcDestroy();

  void ApplyLayout(UINT dpi);
  void RestoreFocus();
  HWND Control(ControlId id) const;

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  std::array<HWND, kForm1Controls.size()> controls_{};
  Font font_;
  Font italic_font_;
  Brush back_brush_;
  Brush button_brush_;
  bool activated_before_ = false;
  HWND focus_to_restore_ = nullptr;
  std::exception_ptr escaped_failure_;
  repair::RepairRun run_;
};

}  // namespace ui
