#pragma once

#include "platform/win32/win32_headers.h"

namespace platform::win32 {

// Owns one kernel handle that Close releases; INVALID_HANDLE_VALUE means none,
// which is what both CreateFileW and FindFirstFileExW return on failure.
template <BOOL(WINAPI* Close)(HANDLE)>
class UniqueHandleOf {
 public:
  explicit UniqueHandleOf(HANDLE handle = INVALID_HANDLE_VALUE) noexcept : handle_(handle) {}
  ~UniqueHandleOf() {
    if (valid()) Close(handle_);
  }
  UniqueHandleOf(UniqueHandleOf&& other) noexcept : handle_(other.release()) {}
  UniqueHandleOf& operator=(UniqueHandleOf&& other) noexcept {
    if (this != &other) {
      if (valid()) Close(handle_);
      handle_ = other.release();
    }
    return *this;
  }
  UniqueHandleOf(const UniqueHandleOf&) = delete;
  UniqueHandleOf& operator=(const UniqueHandleOf&) = delete;

  bool valid() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const noexcept { return handle_; }
  HANDLE release() noexcept {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return handle;
  }

 private:
  HANDLE handle_;
};

// A file opened with CreateFileW.
using UniqueFileHandle = UniqueHandleOf<&CloseHandle>;
// A directory search started with FindFirstFileExW.
using UniqueFindHandle = UniqueHandleOf<&FindClose>;

}  // namespace platform::win32
