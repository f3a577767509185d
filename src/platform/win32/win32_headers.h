#pragma once

// <windows.h> defines DeleteFile, CopyFile and MessageBox as macros, which would
// rename this program's own members of the same names; the Win32 code calls the
// wide functions by their full names instead.
#include <windows.h>

#undef DeleteFile
#undef CopyFile
#undef MessageBox
