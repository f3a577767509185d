#pragma once

// The program's version block; plain defines so that the resource compiler can
// read them.
#define APP_NAME "CompactAndRepair_RekodarisSM20xxAccdb"
#define APP_FILE_NAME "CompactAndRepair_RekodarisSM20xxAccdb.exe"
#define APP_VERSION_NUMBERS 1, 0, 0, 0
#define APP_VERSION_TEXT "1.00"
