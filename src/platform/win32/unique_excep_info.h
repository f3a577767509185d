#pragma once

#include "platform/win32/win32_headers.h"

#include <oaidl.h>
#include <oleauto.h>

#include <string>
#include <utility>

namespace platform::win32 {

// Owns the EXCEPINFO an IDispatch::Invoke fills in, and the three BSTRs in it.
class UniqueExcepInfo {
 public:
  UniqueExcepInfo() noexcept = default;
  ~UniqueExcepInfo() { Reset(); }

  UniqueExcepInfo(const UniqueExcepInfo&) = delete;
  UniqueExcepInfo& operator=(const UniqueExcepInfo&) = delete;
  UniqueExcepInfo(UniqueExcepInfo&& other) noexcept : info_(std::exchange(other.info_, EXCEPINFO{})) {}
  UniqueExcepInfo& operator=(UniqueExcepInfo&& other) noexcept {
    if (this != &other) {
      Reset();
      info_ = std::exchange(other.info_, EXCEPINFO{});
    }
    return *this;
  }

  const EXCEPINFO& Get() const noexcept { return info_; }
  // For IDispatch::Invoke, which fills the structure in when it fails.
  EXCEPINFO* Put() noexcept {
    Reset();
    return &info_;
  }

  // Servers may leave the fields empty and name a function that fills them in
  // only when the caller asks; ask once.
  void FillInDeferred() noexcept {
    if (const auto fill_in = std::exchange(info_.pfnDeferredFillIn, nullptr)) fill_in(&info_);
  }

  std::wstring Description() const {
    return info_.bstrDescription == nullptr
               ? std::wstring()
               : std::wstring(info_.bstrDescription, SysStringLen(info_.bstrDescription));
  }

  void Reset() noexcept {
    SysFreeString(info_.bstrSource);
    SysFreeString(info_.bstrDescription);
    SysFreeString(info_.bstrHelpFile);
    info_ = EXCEPINFO{};
  }

 private:
  EXCEPINFO info_{};
};

}  // namespace platform::win32
