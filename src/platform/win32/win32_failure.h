#pragma once

#include <cstdint>

#include "platform/failure.h"

namespace platform::win32 {

// The failure a Win32 error code stands for: the well-known numbers for the
// errors a user can act on, the system's own text for everything else.
Failure FailureFromWin32Error(std::uint32_t code);

// Raises the failure for the calling thread's last Win32 error.
[[noreturn]] void RaiseLastWin32Error();

}  // namespace platform::win32
