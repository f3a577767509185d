#pragma once

// Shared by the resource script and the code; plain defines so that the
// resource compiler can read them.
#define IDI_APP_ICON 1
