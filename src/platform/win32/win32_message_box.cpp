#include "platform/win32/win32_message_box.h"

#include "platform/failure.h"
#include "platform/win32/system_error_text.h"

namespace platform::win32 {

void Win32MessageBox::Show(const std::wstring& text, MessageIcon icon, const MessageTitle& title) {
  // A null caption would show the system's "Error"; the application title is
  // passed explicitly instead.
  const wchar_t* caption = title ? title->c_str() : kApplicationTitle;
  const HWND owner = (owner_ != nullptr && IsWindow(owner_)) ? owner_ : nullptr;
  const UINT style = MB_OK | static_cast<UINT>(icon) | MB_APPLMODAL;
  if (MessageBoxW(owner, text.c_str(), caption, style) == 0) {
    const DWORD error = GetLastError();
    throw Failure(static_cast<std::int32_t>(error), SystemErrorText(error));
  }
}

}  // namespace platform::win32
