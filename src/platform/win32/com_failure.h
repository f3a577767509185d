#pragma once

#include "platform/failure.h"
#include "platform/win32/unique_excep_info.h"
#include "platform/win32/win32_headers.h"

namespace platform::win32 {

// The failure a COM server reported through IDispatch::Invoke's exception info
// (the call returned DISP_E_EXCEPTION): the server's own number and description.
Failure FailureFromException(UniqueExcepInfo& exception);

// The failure for a failing HRESULT: the HRESULT itself, with the system's text.
Failure FailureFromHresult(HRESULT result);

}  // namespace platform::win32
