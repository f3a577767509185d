#include "platform/win32/win32_file_system.h"

#include <string_view>

#include "platform/failure.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_failure.h"
#include "platform/win32/win32_headers.h"

namespace platform::win32 {

namespace {

constexpr DWORD kNoAttributes = INVALID_FILE_ATTRIBUTES;

bool IsFolder(DWORD attributes) {
  return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsDotEntry(const wchar_t* name) {
  return name == std::wstring_view(L".") || name == std::wstring_view(L"..");
}

// Basic information (no short names) and large fetches: the data root is read
// once per run and nothing here needs the 8.3 names.
UniqueFindHandle FindFirst(const std::wstring& pattern, WIN32_FIND_DATAW& entry) {
  return UniqueFindHandle(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry,
                                           FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH));
}

}  // namespace

Folder Win32FileSystem::GetFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == kNoAttributes) {
    const DWORD error = GetLastError();
    // A missing leaf is as much a missing folder as a missing parent.
    if (error != ERROR_FILE_NOT_FOUND) throw FailureFromWin32Error(error);
  }
  if (!IsFolder(attributes)) {
    throw Failure(failure_number::kPathNotFound, L"Path not found");
  }
  return Folder{path};
}

std::vector<std::wstring> Win32FileSystem::SubFolders(const Folder& folder) {
  std::wstring pattern = folder.path;
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  pattern += L'*';

  std::vector<std::wstring> names;
  WIN32_FIND_DATAW entry{};
  const UniqueFindHandle search = FindFirst(pattern, entry);
  if (!search.valid()) {
    // Only a drive root can hold no entry at all, not even "." and "..".
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return names;
    RaiseLastWin32Error();
  }
  do {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && !IsDotEntry(entry.cFileName)) {
      names.emplace_back(entry.cFileName);
    }
  } while (FindNextFileW(search.get(), &entry));
  if (GetLastError() != ERROR_NO_MORE_FILES) RaiseLastWin32Error();
  return names;
}

bool Win32FileSystem::FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != kNoAttributes && !IsFolder(attributes);
}

void Win32FileSystem::DeleteFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    const DWORD writable = attributes & ~FILE_ATTRIBUTE_READONLY;
    if (!SetFileAttributesW(path.c_str(), writable != 0 ? writable : FILE_ATTRIBUTE_NORMAL)) {
      RaiseLastWin32Error();
    }
  }
  if (!DeleteFileW(path.c_str())) RaiseLastWin32Error();
}

void Win32FileSystem::CopyFile(const std::wstring& source, const std::wstring& destination) {
  // The system's own copy: no pass through this program's buffers, and it
  // keeps the attributes and times of the source.
  if (!CopyFileW(source.c_str(), destination.c_str(), FALSE)) RaiseLastWin32Error();
}

void Win32FileSystem::Rename(const std::wstring& from, const std::wstring& to) {
  // Never replaces: a file standing at the target is a failure, not a loss.
  if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) RaiseLastWin32Error();
}

std::wstring Win32FileSystem::Dir(const std::wstring& path) {
  // An exact lookup: the search would otherwise read these as wildcards
  // (including the DOS_STAR, DOS_QM and DOS_DOT forms <, > and ").
  if (path.find_first_of(L"*?<>\"") != std::wstring::npos) return {};

  WIN32_FIND_DATAW entry{};
  const UniqueFindHandle search = FindFirst(path, entry);
  if (!search.valid()) return {};
  constexpr DWORD kNotOrdinary =
      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  do {
    if ((entry.dwFileAttributes & kNotOrdinary) == 0) return entry.cFileName;
  } while (FindNextFileW(search.get(), &entry));
  return {};
}

namespace {

UniqueFileHandle OpenForFlush(const std::wstring& path) {
  return UniqueFileHandle(CreateFileW(path.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

void Win32FileSystem::Flush(const std::wstring& path) {
  UniqueFileHandle file = OpenForFlush(path);
  if (!file.valid()) {
    // A copy of a read-only database is read-only too, and flushing needs write
    // access: lift the attribute for the open only, then put it back.
    const DWORD first_error = GetLastError();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (first_error != ERROR_ACCESS_DENIED || attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & FILE_ATTRIBUTE_READONLY) == 0) {
      SetLastError(first_error);
      RaiseLastWin32Error();
    }
    if (!SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) RaiseLastWin32Error();
    file = OpenForFlush(path);
    const DWORD open_error = GetLastError();
    SetFileAttributesW(path.c_str(), attributes);
    if (!file.valid()) {
      SetLastError(open_error);
      RaiseLastWin32Error();
    }
  }
  if (!FlushFileBuffers(file.get())) RaiseLastWin32Error();
}

}  // namespace platform::win32
