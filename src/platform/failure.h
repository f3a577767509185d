#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace platform {

// The one way a step reports trouble: a number the run may test, and a text the
// user is shown unchanged.
class Failure : public std::exception {
 public:
  Failure(std::int32_t number, std::wstring description)
      : number_(number), description_(std::move(description)) {}

  std::int32_t number() const noexcept { return number_; }
  const std::wstring& description() const noexcept { return description_; }
  const char* what() const noexcept override { return "platform::Failure"; }

 private:
  std::int32_t number_;
  std::wstring description_;
};

// Numbers close to the ones users of Windows scripting tools already know.
namespace failure_number {
inline constexpr std::int32_t kNoItemForKey = 5;
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kFileNotFound = 53;
inline constexpr std::int32_t kFileAlreadyExists = 58;
inline constexpr std::int32_t kDiskFull = 61;
inline constexpr std::int32_t kPermissionDenied = 70;
inline constexpr std::int32_t kPathFileAccessError = 75;
inline constexpr std::int32_t kPathNotFound = 76;
inline constexpr std::int32_t kCannotCreateObject = 429;
inline constexpr std::int32_t kEngineNotInstalled = 3706;
}  // namespace failure_number

}  // namespace platform
