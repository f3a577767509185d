#include "platform/win32/com_failure.h"

#include "platform/win32/system_error_text.h"

#include <cstdint>

namespace platform::win32 {

namespace {

// Automation servers report their own error numbers as HRESULTs of facility
// FACILITY_CONTROL with the number in the low word (0x800A0BD7 is 3031).
std::int32_t NumberFromScode(SCODE scode) {
  const auto code = static_cast<std::uint32_t>(scode);
  if ((code & 0xFFFF0000u) == 0x800A0000u) return static_cast<std::int32_t>(code & 0xFFFFu);
  return static_cast<std::int32_t>(code);
}

}  // namespace

Failure FailureFromException(UniqueExcepInfo& exception) {
  exception.FillInDeferred();
  const EXCEPINFO& info = exception.Get();
  std::int32_t number = 0;
  if (info.scode != 0) {
    number = NumberFromScode(info.scode);
  } else if (info.wCode != 0) {
    number = info.wCode;
  } else {
    // A server that names no error at all still failed the call.
    number = static_cast<std::int32_t>(DISP_E_EXCEPTION);
  }
  return Failure(number, exception.Description());
}

Failure FailureFromHresult(HRESULT result) {
  return Failure(static_cast<std::int32_t>(result), SystemErrorText(static_cast<std::uint32_t>(result)));
}

}  // namespace platform::win32
