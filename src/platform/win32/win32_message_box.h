#pragma once

#include "platform/message_box.h"
#include "platform/win32/win32_headers.h"

namespace platform::win32 {

// MessageBoxW with the OK button only, modal to the owner window so that the
// window takes no input while a message is up.
class Win32MessageBox final : public MessageBoxService {
 public:
  Win32MessageBox() = default;

  // The window the boxes belong to; a box shown after the owner was destroyed
  // stands on its own.
  void SetOwner(HWND owner) { owner_ = owner; }

  void Show(const std::wstring& text, MessageIcon icon, const MessageTitle& title) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace platform::win32
