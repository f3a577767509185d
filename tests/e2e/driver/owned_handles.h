#pragma once

#include "platform/win32/win32_headers.h"

namespace e2e {

// Owns one Win32 handle and releases it with Release; Null() gives the "none"
// value of that handle kind.
template <typename Handle, auto Release, auto Null>
class Owned {
 public:
  explicit Owned(Handle handle = Null()) noexcept : handle_(handle) {}
  ~Owned() { reset(); }
  Owned(Owned&& other) noexcept : handle_(other.handle_) { other.handle_ = Null(); }
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = other.handle_;
      other.handle_ = Null();
    }
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  Handle get() const noexcept { return handle_; }
  bool valid() const noexcept { return handle_ != Null(); }
  void reset() noexcept {
    if (handle_ != Null()) Release(handle_);
    handle_ = Null();
  }

 private:
  Handle handle_;
};

inline void CloseKernelHandle(HANDLE handle) { ::CloseHandle(handle); }
inline void CloseFind(HANDLE handle) { ::FindClose(handle); }
inline void DeleteMemoryDc(HDC dc) { ::DeleteDC(dc); }
inline void DeleteGdiObject(HGDIOBJ object) { ::DeleteObject(object); }

template <typename Handle>
Handle NullHandle() noexcept { return nullptr; }
inline HANDLE InvalidHandle() noexcept { return INVALID_HANDLE_VALUE; }

using OwnedHandle = Owned<HANDLE, &CloseKernelHandle, &NullHandle<HANDLE>>;
using OwnedFile = Owned<HANDLE, &CloseKernelHandle, &InvalidHandle>;
using OwnedFind = Owned<HANDLE, &CloseFind, &InvalidHandle>;
using OwnedMemoryDc = Owned<HDC, &DeleteMemoryDc, &NullHandle<HDC>>;
using OwnedGdiObject = Owned<HGDIOBJ, &DeleteGdiObject, &NullHandle<HGDIOBJ>>;

// Borrows the screen's device context for as long as it lives.
class ScreenDc {
 public:
  ScreenDc() noexcept : dc_(::GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_ != nullptr) ::ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const noexcept { return dc_; }

 private:
  HDC dc_;
};

// Keeps an object selected into a device context and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectedObject() { ::SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace e2e
