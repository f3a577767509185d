#pragma once

#include <string>
#include <vector>

namespace platform {

// A folder handed out by GetFolder; it only remembers where it is.
struct Folder {
  std::wstring path;
};

// Every file operation the repair run makes. Each one either does what it says
// or raises platform::Failure; none of them returns an error code.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Fails (76, path not found) when the folder does not exist.
  virtual Folder GetFolder(const std::wstring& path) = 0;
  // Names of the direct subfolders, letter case as stored, in the host's order.
  virtual std::vector<std::wstring> SubFolders(const Folder& folder) = 0;

  // True only for a file (not a folder); never fails for a missing path.
  virtual bool FileExists(const std::wstring& path) = 0;
  // Removes the file even when it is read-only.
  virtual void DeleteFile(const std::wstring& path) = 0;
  // Byte copy; an existing destination is replaced.
  virtual void CopyFile(const std::wstring& source, const std::wstring& destination) = 0;
  // Fails when the source is missing or the destination already exists.
  virtual void Rename(const std::wstring& from, const std::wstring& to) = 0;
  // The file's own name when an ordinary file (not hidden, not system, not a
  // folder) stands at the path; the empty text otherwise, also for a missing folder.
  virtual std::wstring Dir(const std::wstring& path) = 0;
  // Forces the file's content to the disk, so that a power cut cannot take it.
  virtual void Flush(const std::wstring& path) = 0;
};

}  // namespace platform
