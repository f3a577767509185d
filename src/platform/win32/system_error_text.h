#pragma once

#include <cstdint>
#include <string>

namespace platform::win32 {

// The system's own text for a Win32 error code or an HRESULT, without the
// trailing line break; a plain description when the system has none.
std::wstring SystemErrorText(std::uint32_t code);

}  // namespace platform::win32
