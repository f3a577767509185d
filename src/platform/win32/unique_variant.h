#pragma once

#include "platform/win32/win32_headers.h"

#include <oleauto.h>

#include <utility>

namespace platform::win32 {

// Owns one VARIANT and clears it (freeing what it holds) with VariantClear.
class UniqueVariant {
 public:
  UniqueVariant() noexcept { VariantInit(&value_); }
  ~UniqueVariant() { VariantClear(&value_); }

  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;
  UniqueVariant(UniqueVariant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
  UniqueVariant& operator=(UniqueVariant&& other) noexcept {
    if (this != &other) {
      VariantClear(&value_);
      value_ = other.value_;
      VariantInit(&other.value_);
    }
    return *this;
  }

  const VARIANT& Get() const noexcept { return value_; }
  // For functions that hand out a new value through an out parameter.
  VARIANT* Put() noexcept {
    VariantClear(&value_);
    return &value_;
  }

 private:
  VARIANT value_;
};

}  // namespace platform::win32
