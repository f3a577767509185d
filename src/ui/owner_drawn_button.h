#pragma once

#include "platform/win32/win32_headers.h"

namespace ui {

// Paints an owner-drawn push button the way the system draws one (raised edge,
// sunken while pressed, dotted focus rectangle) but with its own face colour.
void PaintPushButton(const DRAWITEMSTRUCT& item, HBRUSH face);

// An owner-drawn button reports a quick second click as a double click instead
// of pressing again; this makes every click a press, as on a plain push button.
void TreatDoubleClickAsPress(HWND button);

}  // namespace ui
