#pragma once

#include "platform/text_case.h"

namespace platform::win32 {

// Upper case by the rules of the user's locale, as the host's own string
// functions apply them.
class Win32TextCase final : public TextCase {
 public:
  Win32TextCase() = default;
  std::wstring UpperCase(const std::wstring& text) override;
};

}  // namespace platform::win32
