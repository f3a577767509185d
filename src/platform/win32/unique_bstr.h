#pragma once

#include "platform/win32/win32_headers.h"

#include <oleauto.h>

#include <new>
#include <string>
#include <utility>

namespace platform::win32 {

// Owns one BSTR and frees it with SysFreeString.
class UniqueBstr {
 public:
  UniqueBstr() = default;
  // A BSTR holding the text, embedded null characters included.
  explicit UniqueBstr(const std::wstring& text)
      : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
    if (value_ == nullptr) throw std::bad_alloc();
  }
  ~UniqueBstr() { Reset(); }

  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;
  UniqueBstr(UniqueBstr&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
  UniqueBstr& operator=(UniqueBstr&& other) noexcept {
    if (this != &other) {
      Reset();
      value_ = std::exchange(other.value_, nullptr);
    }
    return *this;
  }

  BSTR Get() const noexcept { return value_; }
  // Hands the string to a new owner, such as a VARIANT or a caller's out parameter.
  BSTR Release() noexcept { return std::exchange(value_, nullptr); }
  // For functions that hand out a new BSTR through an out parameter.
  BSTR* Put() noexcept {
    Reset();
    return &value_;
  }
  void Reset() noexcept { SysFreeString(std::exchange(value_, nullptr)); }

  // A null BSTR is the empty text.
  std::wstring Text() const { return value_ == nullptr ? std::wstring() : std::wstring(value_, SysStringLen(value_)); }

 private:
  BSTR value_ = nullptr;
};

}  // namespace platform::win32
