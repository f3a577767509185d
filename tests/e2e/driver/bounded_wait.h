#pragma once

#include <chrono>
#include <thread>

namespace e2e {

// Every wait of the driver is bounded, so that a product that misbehaves gives a
// failing test instead of a hang.
inline constexpr std::chrono::milliseconds kStepTimeout{5000};
inline constexpr std::chrono::milliseconds kPollInterval{20};

// Polls condition until it holds or timeout has passed; returns its last answer.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = kStepTimeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (true) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace e2e
