#include "platform/win32/system_error_text.h"

#include "platform/win32/win32_headers.h"

namespace platform::win32 {

std::wstring SystemErrorText(std::uint32_t code) {
  wchar_t buffer[1024] = {};
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                     0, buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
  std::wstring text(buffer, length);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' ||
                           text.back() == L'.')) {
    text.pop_back();
  }
  if (text.empty()) {
    wchar_t fallback[32];
    swprintf(fallback, std::size(fallback), L"System error 0x%08lX", static_cast<unsigned long>(code));
    text = fallback;
  }
  return text;
}

}  // namespace platform::win32
