#pragma once

#include "platform/win32/unique_bstr.h"
#include "platform/win32/win32_headers.h"

#include <oleauto.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform::win32 {

// The positional arguments of one IDispatch::Invoke call, owned until the call
// is over. Arguments are added in the method's own order; IDispatch wants them
// last-first, so each one goes in at the front.
class DispatchArguments {
 public:
  DispatchArguments() = default;
  ~DispatchArguments() { Clear(); }

  DispatchArguments(const DispatchArguments&) = delete;
  DispatchArguments& operator=(const DispatchArguments&) = delete;
  DispatchArguments(DispatchArguments&& other) noexcept : arguments_(std::exchange(other.arguments_, {})) {}
  DispatchArguments& operator=(DispatchArguments&& other) noexcept {
    if (this != &other) {
      Clear();
      arguments_ = std::exchange(other.arguments_, {});
    }
    return *this;
  }

  void AddText(const std::wstring& text) {
    UniqueBstr value(text);
    VARIANTARG& argument = AddEmpty();
    argument.vt = VT_BSTR;
    argument.bstrVal = value.Release();
  }

  void AddInt16(std::int16_t number) {
    VARIANTARG& argument = AddEmpty();
    argument.vt = VT_I2;
    argument.iVal = number;
  }

  // An optional argument left out: the callee uses its default.
  void AddMissing() {
    VARIANTARG& argument = AddEmpty();
    argument.vt = VT_ERROR;
    argument.scode = DISP_E_PARAMNOTFOUND;
  }

  // Valid while this object lives and no argument is added.
  DISPPARAMS Params() noexcept {
    DISPPARAMS params{};
    params.rgvarg = arguments_.data();
    params.cArgs = static_cast<UINT>(arguments_.size());
    return params;
  }

 private:
  VARIANTARG& AddEmpty() {
    VARIANTARG empty;
    VariantInit(&empty);
    return *arguments_.insert(arguments_.begin(), empty);
  }

  void Clear() noexcept {
    for (VARIANTARG& argument : arguments_) VariantClear(&argument);
    arguments_.clear();
  }

  std::vector<VARIANTARG> arguments_;
};

}  // namespace platform::win32
