#pragma once

#include <chrono>
#include <string>

#include "driver/owned_handles.h"

namespace e2e {

// One started copy of the product. A copy still running when this object goes
// is terminated, so a failed test never leaves a process behind.
class ProductProcess {
 public:
  // Starts the executable at path with no arguments; throws std::runtime_error
  // when it cannot be started.
  explicit ProductProcess(const std::wstring& path);
  ~ProductProcess();
  ProductProcess(const ProductProcess&) = delete;
  ProductProcess& operator=(const ProductProcess&) = delete;

  DWORD process_id() const noexcept { return process_id_; }
  DWORD main_thread_id() const noexcept { return thread_id_; }

  // True when the process has ended within timeout.
  bool EndsWithin(std::chrono::milliseconds timeout) const;

 private:
  OwnedHandle process_;
  OwnedHandle thread_;
  DWORD process_id_ = 0;
  DWORD thread_id_ = 0;
};

}  // namespace e2e
