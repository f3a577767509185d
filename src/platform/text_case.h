#pragma once

#include <string>

namespace platform {

// Upper-casing as the host's locale does it.
class TextCase {
 public:
  virtual ~TextCase() = default;
  virtual std::wstring UpperCase(const std::wstring& text) = 0;
};

}  // namespace platform
