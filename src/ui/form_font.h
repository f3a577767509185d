#pragma once

#include "platform/win32/win32_headers.h"
#include "ui/gdi_object.h"

namespace ui {

// Arial 9.75 pt bold, character set ANSI, at the given dpi; the labels use the
// italic cut.
Font CreateFormFont(UINT dpi, bool italic);

}  // namespace ui
