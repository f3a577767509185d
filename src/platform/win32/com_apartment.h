#pragma once

#include "platform/win32/win32_headers.h"

#include <objbase.h>

namespace platform::win32 {

// Joins the calling thread to a single-threaded COM apartment for the object's
// lifetime; the engine is created and called on the window's thread.
class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  HRESULT result() const { return result_; }

 private:
  HRESULT result_;
};

}  // namespace platform::win32
