#include "platform/win32/win32_text_case.h"

#include <climits>

#include "platform/failure.h"
#include "platform/win32/system_error_text.h"
#include "platform/win32/win32_headers.h"

namespace platform::win32 {

namespace {

[[noreturn]] void RaiseLastError() {
  const DWORD error = GetLastError();
  throw Failure(static_cast<std::int32_t>(error), SystemErrorText(error));
}

}  // namespace

std::wstring Win32TextCase::UpperCase(const std::wstring& text) {
  // The system refuses an empty source, and it has no upper case anyway.
  if (text.empty()) return text;
  if (text.size() > static_cast<std::size_t>(INT_MAX)) {
    throw Failure(failure_number::kOverflow, L"Overflow");
  }
  constexpr DWORD kFlags = LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING;
  const int source_length = static_cast<int>(text.size());
  const int needed = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, text.c_str(), source_length,
                                   nullptr, 0, nullptr, nullptr, 0);
  if (needed <= 0) RaiseLastError();
  std::wstring upper(static_cast<std::size_t>(needed), L'\0');
  const int written = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, text.c_str(), source_length,
                                    upper.data(), needed, nullptr, nullptr, 0);
  if (written <= 0) RaiseLastError();
  upper.resize(static_cast<std::size_t>(written));
  return upper;
}

}  // namespace platform::win32
