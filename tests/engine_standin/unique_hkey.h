#pragma once

#include "platform/win32/win32_headers.h"

#include <utility>

namespace engine_standin {

// Owns one open registry key and closes it when it goes.
class UniqueHkey {
 public:
  UniqueHkey() = default;
  ~UniqueHkey() { Reset(); }

  UniqueHkey(const UniqueHkey&) = delete;
  UniqueHkey& operator=(const UniqueHkey&) = delete;
  UniqueHkey(UniqueHkey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  UniqueHkey& operator=(UniqueHkey&& other) noexcept {
    if (this != &other) {
      Reset();
      key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
  }

  HKEY Get() const noexcept { return key_; }
  // For functions that hand out a newly opened key through an out parameter.
  HKEY* Put() noexcept {
    Reset();
    return &key_;
  }
  void Reset() noexcept {
    if (key_ != nullptr) RegCloseKey(std::exchange(key_, nullptr));
  }

 private:
  HKEY key_ = nullptr;
};

}  // namespace engine_standin
