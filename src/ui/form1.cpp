#include "ui/form1.h"

// <commctrl.h> needs the Windows types first.
#include "platform/win32/win32_headers.h"

#include <commctrl.h>

#include <utility>

#include "platform/failure.h"
#include "platform/win32/system_error_text.h"
#include "ui/dpi.h"
#include "ui/form_font.h"
#include "ui/owner_drawn_button.h"
#include "ui/resource_ids.h"

namespace ui {

namespace {

constexpr wchar_t kClassName[] = L"CompactAndRepair_RekodarisSM20xxAccdb.Form1";
constexpr wchar_t kCaption[] = L"Form1";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kExStyle = 0;

[[noreturn]] void RaiseLastError() {
  const DWORD error = GetLastError();
  throw platform::Failure(static_cast<std::int32_t>(error), platform::win32::SystemErrorText(error));
}

HICON LoadAppIcon(HINSTANCE instance, int width_metric, int height_metric) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP_ICON), IMAGE_ICON,
                                       GetSystemMetrics(width_metric), GetSystemMetrics(height_metric),
                                       LR_DEFAULTCOLOR | LR_SHARED));
}

void RegisterFormClass(HINSTANCE instance, WNDPROC window_proc) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, kClassName, &existing)) return;

  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = window_proc;
  window_class.hInstance = instance;
  window_class.hIcon = LoadAppIcon(instance, SM_CXICON, SM_CYICON);
  window_class.hIconSm = LoadAppIcon(instance, SM_CXSMICON, SM_CYSMICON);
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // The form paints its own background colour on WM_ERASEBKGND.
  window_class.hbrBackground = nullptr;
  window_class.lpszClassName = kClassName;
  if (RegisterClassExW(&window_class) == 0) RaiseLastError();
}

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD ex_style;
};

ControlClass ClassFor(ControlKind kind) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case ControlKind::kTextBox:
      return {L"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kButton:
      // Owner-drawn, so that the face can take its own colour.
      return {L"BUTTON", kChild | WS_TABSTOP | BS_OWNERDRAW, 0};
    case ControlKind::kLabel:
      break;
  }
  return {L"STATIC", kChild | SS_LEFT | SS_NOPREFIX, 0};
}

const ControlLayout* LayoutOf(int id) {
  for (const ControlLayout& layout : kForm1Controls) {
    if (layout.id == id) return &layout;
  }
  return nullptr;
}

}  // namespace

Form1::Form1(HINSTANCE instance, platform::FileSystem& fso, platform::MessageBoxService& messages,
             platform::TextCase& text_case, platform::DatabaseEngineFactory& engines)
    : instance_(instance),
      back_brush_(CreateSolidBrush(kFormBackColor)),
      button_brush_(CreateSolidBrush(kButtonBackColor)),
      run_(repair::Services{fso, messages, text_case, engines, *this}) {
  RegisterFormClass(instance_, &Form1::WindowProc);
  const HWND created = CreateWindowExW(kExStyle, kClassName, kCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance_, this);
  if (created == nullptr) {
    RethrowEscapedFailure();
    RaiseLastError();
  }
  // The client area's size is fixed in twips; the frame around it is whatever
  // the system draws at this window's dpi.
  const UINT dpi = WindowDpi(hwnd_);
  const SIZE size = WindowSizeForClient(TwipsToPixels(kClientWidthTwips, dpi),
                                        TwipsToPixels(kClientHeightTwips, dpi), kStyle, kExStyle, dpi);
  SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Form1::~Form1() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void Form1::Show() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

void Form1::RethrowEscapedFailure() {
  if (escaped_failure_) std::rethrow_exception(std::exchange(escaped_failure_, nullptr));
}

std::wstring Form1::KodSekText() {
  const HWND box = Control(kTxtKodSek);
  if (box == nullptr) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Form1::FocusKodSek() {
  const HWND box = Control(kTxtKodSek);
  if (box == nullptr) return;
  focus_to_restore_ = box;
  SetFocus(box);
}

void Form1::Close() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

LRESULT CALLBACK Form1::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Form1* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);

  // Exceptions cannot travel through the system's code that called us.
  try {
    return self->HandleMessage(message, wparam, lparam);
  } catch (...) {
    self->escaped_failure_ = std::current_exception();
    if (message == WM_CREATE) return -1;
    // Ending the message loop hands the failure back to the caller of the loop.
    if (self->hwnd_ != nullptr) {
      DestroyWindow(self->hwnd_);
    } else {
      PostQuitMessage(1);
    }
    return 0;
  }
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  const HWND window = hwnd_;
  switch (message) {
    case WM_CREATE:
      Form_Load();
      return 0;
    case WM_ACTIVATE:
      OnActivate(wparam);
      return 0;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_ERASEBKGND:
      OnEraseBackground(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_CTLCOLOREDIT:
      return OnCtlColorEdit(reinterpret_cast<HDC>(wparam));
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      OnNcDestroy();
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void Form1::Form_Load() {
  for (std::size_t index = 0; index < kForm1Controls.size(); ++index) {
    const ControlLayout& layout = kForm1Controls[index];
    const ControlClass control_class = ClassFor(layout.kind);
    controls_[index] = CreateWindowExW(control_class.ex_style, control_class.name, layout.text,
                                       control_class.style, 0, 0, 0, 0, hwnd_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance_,
                                       nullptr);
    if (controls_[index] == nullptr) RaiseLastError();
  }
  // No length limit of its own: 0 asks for the largest the control allows.
  SendMessageW(Control(kTxtKodSek), EM_SETLIMITTEXT, 0, 0);
  TreatDoubleClickAsPress(Control(kCmdRepair));
  ApplyLayout(WindowDpi(hwnd_));
}

// Runs on the first activation only; later activations give the focus back to
// the control that had it.
void Form1::Form_Activate() {
  SetFocus(Control(kTxtKodSek));
}

void Form1::cmdRepair_Click() {
  run_.cmdRepair_Click();
  // The run may have destroyed the window: nothing of it is touched from here on.
}

void Form1::OnActivate(WPARAM wparam) {
  if (LOWORD(wparam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd_, focus)) focus_to_restore_ = focus;
    return;
  }
  if (HIWORD(wparam) != 0) return;  // activated while minimised: nothing can take the focus
  if (!activated_before_) {
    activated_before_ = true;
    Form_Activate();
    return;
  }
  RestoreFocus();
}

void Form1::OnSetFocus() {
  // The form itself never keeps the focus (e.g. when restored from minimised).
  RestoreFocus();
}

void Form1::OnCommand(int id, int code, HWND control) {
  if (id == kCmdRepair && code == BN_CLICKED) {
    cmdRepair_Click();
    return;
  }
  // Enter reaches the form as IDOK, since the button is not a default button:
  // it presses the button only while the button has the focus. Esc (IDCANCEL)
  // does nothing.
  if (id == IDOK && control == nullptr && GetFocus() == Control(kCmdRepair)) {
    cmdRepair_Click();
  }
}

void Form1::OnEraseBackground(HDC dc) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  FillRect(dc, &client, back_brush_.get());
}

LRESULT Form1::OnCtlColorStatic(HDC dc, HWND control) {
  const ControlLayout* layout = LayoutOf(GetDlgCtrlID(control));
  SetTextColor(dc, layout != nullptr ? layout->fore_color : kBlack);
  SetBkColor(dc, kFormBackColor);
  SetBkMode(dc, OPAQUE);
  return reinterpret_cast<LRESULT>(back_brush_.get());
}

LRESULT Form1::OnCtlColorEdit(HDC dc) {
  SetTextColor(dc, kBlack);
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void Form1::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID == static_cast<UINT>(kCmdRepair)) PaintPushButton(item, button_brush_.get());
}

void Form1::OnDpiChanged(UINT dpi, const RECT& suggested) {
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyLayout(dpi);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form1::OnNcDestroy() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  controls_.fill(nullptr);
  focus_to_restore_ = nullptr;
}

// Places every control and sets the fonts for the given dpi: twips scale with
// the dpi, so at 96 dpi every value is the layout's own pixel value.
void Form1::ApplyLayout(UINT dpi) {
  Font font = CreateFormFont(dpi, false);
  Font italic_font = CreateFormFont(dpi, true);
  for (std::size_t index = 0; index < kForm1Controls.size(); ++index) {
    const ControlLayout& layout = kForm1Controls[index];
    const RECT rect = PixelRect(layout.rect, dpi);
    SetWindowPos(controls_[index], nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    const HFONT control_font = layout.kind == ControlKind::kLabel ? italic_font.get() : font.get();
    SendMessageW(controls_[index], WM_SETFONT, reinterpret_cast<WPARAM>(control_font), TRUE);
  }
  // The controls use the new fonts now; the old ones can go.
  font_ = std::move(font);
  italic_font_ = std::move(italic_font);
}

void Form1::RestoreFocus() {
  const HWND target = (focus_to_restore_ != nullptr && IsChild(hwnd_, focus_to_restore_))
                          ? focus_to_restore_
                          : Control(kTxtKodSek);
  if (target != nullptr) SetFocus(target);
}

HWND Form1::Control(ControlId id) const {
  for (std::size_t index = 0; index < kForm1Controls.size(); ++index) {
    if (kForm1Controls[index].id == id) return controls_[index];
  }
  return nullptr;
}

}  // namespace ui
