// A hook library that the tests load into the product's GUI thread: a font
// handle means nothing outside its own process, so the control's LOGFONT is
// read there and sent back with WM_COPYDATA.
#include "platform/win32/win32_headers.h"

namespace {

HINSTANCE g_module = nullptr;

UINT ProbeMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"E2eFontProbe");
  return message;
}

LRESULT CALLBACK FontProbeHook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (call->message == ProbeMessage()) {
      LOGFONTW font{};
      const auto handle = reinterpret_cast<HFONT>(::SendMessageW(call->hwnd, WM_GETFONT, 0, 0));
      const bool read = handle != nullptr && ::GetObjectW(handle, sizeof(font), &font) == sizeof(font);
      COPYDATASTRUCT reply{};
      reply.dwData = read ? 1 : 0;
      reply.cbData = sizeof(font);
      reply.lpData = &font;
      ::SendMessageW(reinterpret_cast<HWND>(call->wParam), WM_COPYDATA, reinterpret_cast<WPARAM>(call->hwnd),
                     reinterpret_cast<LPARAM>(&reply));
    }
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

extern "C" __declspec(dllexport) HHOOK InstallFontProbe(DWORD thread_id) {
  return ::SetWindowsHookExW(WH_CALLWNDPROC, &FontProbeHook, g_module, thread_id);
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = module;
  return TRUE;
}
