#include "driver/font_probe.h"

namespace e2e {

namespace {

struct ProbeAnswer {
  bool received = false;
  std::optional<LOGFONTW> font;
};

LRESULT CALLBACK ReplyProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COPYDATA) {
    auto* answer = reinterpret_cast<ProbeAnswer*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
    if (answer != nullptr) {
      answer->received = true;
      if (data->dwData == 1 && data->cbData == sizeof(LOGFONTW)) {
        answer->font = *static_cast<const LOGFONTW*>(data->lpData);
      }
    }
    return TRUE;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

const wchar_t* ReplyClass() {
  static const wchar_t* name = [] {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = &ReplyProc;
    window_class.hInstance = ::GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"E2eFontProbeReply";
    ::RegisterClassW(&window_class);
    return L"E2eFontProbeReply";
  }();
  return name;
}

class OwnedLibrary {
 public:
  explicit OwnedLibrary(const std::wstring& path) : module_(::LoadLibraryW(path.c_str())) {}
  ~OwnedLibrary() {
    if (module_ != nullptr) ::FreeLibrary(module_);
  }
  OwnedLibrary(const OwnedLibrary&) = delete;
  OwnedLibrary& operator=(const OwnedLibrary&) = delete;
  HMODULE get() const { return module_; }

 private:
  HMODULE module_;
};

class OwnedHook {
 public:
  explicit OwnedHook(HHOOK hook) : hook_(hook) {}
  ~OwnedHook() {
    if (hook_ != nullptr) ::UnhookWindowsHookEx(hook_);
  }
  OwnedHook(const OwnedHook&) = delete;
  OwnedHook& operator=(const OwnedHook&) = delete;
  HHOOK get() const { return hook_; }

 private:
  HHOOK hook_;
};

class OwnedWindow {
 public:
  explicit OwnedWindow(HWND window) : window_(window) {}
  ~OwnedWindow() {
    if (window_ != nullptr) ::DestroyWindow(window_);
  }
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_;
};

}  // namespace

std::optional<LOGFONTW> ReadFontThroughProbe(HWND control, const std::wstring& probe_library_path) {
  OwnedLibrary library(probe_library_path);
  if (library.get() == nullptr) return std::nullopt;
  using Install = HHOOK (*)(DWORD);
  const auto install = reinterpret_cast<Install>(
      reinterpret_cast<void*>(::GetProcAddress(library.get(), "InstallFontProbe")));
  if (install == nullptr) return std::nullopt;
  OwnedHook hook(install(::GetWindowThreadProcessId(control, nullptr)));
  if (hook.get() == nullptr) return std::nullopt;

  OwnedWindow reply(::CreateWindowExW(0, ReplyClass(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      ::GetModuleHandleW(nullptr), nullptr));
  if (reply.get() == nullptr) return std::nullopt;
  ProbeAnswer answer;
  ::SetWindowLongPtrW(reply.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&answer));
  // The reply arrives as a sent message while this thread waits here.
  ::SendMessageTimeoutW(control, ::RegisterWindowMessageW(L"E2eFontProbe"), reinterpret_cast<WPARAM>(reply.get()), 0,
                        SMTO_ABORTIFHUNG, 3000, nullptr);
  return answer.font;
}

}  // namespace e2e
