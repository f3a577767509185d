#include "platform/win32/win32_failure.h"

#include "platform/win32/system_error_text.h"
#include "platform/win32/win32_headers.h"

namespace platform::win32 {

namespace {

struct KnownError {
  DWORD code;
  std::int32_t number;
  const wchar_t* description;
};

constexpr KnownError kKnownErrors[] = {
    {ERROR_FILE_NOT_FOUND, failure_number::kFileNotFound, L"File not found"},
    {ERROR_FILE_EXISTS, failure_number::kFileAlreadyExists, L"File already exists"},
    {ERROR_ALREADY_EXISTS, failure_number::kFileAlreadyExists, L"File already exists"},
    {ERROR_DISK_FULL, failure_number::kDiskFull, L"Disk full"},
    {ERROR_HANDLE_DISK_FULL, failure_number::kDiskFull, L"Disk full"},
    {ERROR_ACCESS_DENIED, failure_number::kPermissionDenied, L"Permission denied"},
    {ERROR_SHARING_VIOLATION, failure_number::kPermissionDenied, L"Permission denied"},
    {ERROR_LOCK_VIOLATION, failure_number::kPermissionDenied, L"Permission denied"},
    {ERROR_PATH_NOT_FOUND, failure_number::kPathNotFound, L"Path not found"},
    {ERROR_INVALID_NAME, failure_number::kPathNotFound, L"Path not found"},
    {ERROR_BAD_PATHNAME, failure_number::kPathNotFound, L"Path not found"},
    {ERROR_INVALID_DRIVE, failure_number::kPathNotFound, L"Path not found"},
};

}  // namespace

Failure FailureFromWin32Error(std::uint32_t code) {
  for (const KnownError& known : kKnownErrors) {
    if (known.code == code) return Failure(known.number, known.description);
  }
  return Failure(failure_number::kPathFileAccessError, SystemErrorText(code));
}

void RaiseLastWin32Error() { throw FailureFromWin32Error(GetLastError()); }

}  // namespace platform::win32
