#pragma once

#include <string>

#include "platform/text_case.h"

namespace repair {

// Removes leading and trailing U+0020 only; tabs and other white space stay.
std::wstring TrimSpaces(const std::wstring& text);

// The school code as the folder names carry it: every space dropped, each
// character upper-cased on its own. The position is counted in 16 bits, so a
// text of 32,767 characters or more is an overflow failure (6).
std::wstring NormaliseKodSek(const std::wstring& trimmed, platform::TextCase& text_case);

}  // namespace repair
