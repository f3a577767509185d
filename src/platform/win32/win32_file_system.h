#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace platform::win32 {

// The file operations of the repair run on the wide Win32 API.
class Win32FileSystem final : public FileSystem {
 public:
  Folder GetFolder(const std::wstring& path) override;
  std::vector<std::wstring> SubFolders(const Folder& folder) override;
  bool FileExists(const std::wstring& path) override;
  void DeleteFile(const std::wstring& path) override;
  void CopyFile(const std::wstring& source, const std::wstring& destination) override;
  void Rename(const std::wstring& from, const std::wstring& to) override;
  std::wstring Dir(const std::wstring& path) override;
  void Flush(const std::wstring& path) override;
};

}  // namespace platform::win32
