#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace testing_support {

// Thrown in place of an operation to stop a run dead, as a crash or power cut
// would: nothing of the run's own code catches it.
struct SimulatedCrash {};

enum class Operation { kGetFolder, kSubFolders, kFileExists, kDeleteFile, kCopyFile, kRename, kDir, kFlush };

const char* NameOf(Operation operation);

struct FileEntry {
  std::string content;
  bool hidden = false;
  bool system = false;
  bool read_only = false;
  // Written content that has not been forced to the disk is lost in a power cut.
  bool durable = true;
};

// A Windows-like file system in memory: paths ignore letter case, names keep
// theirs, folders enumerate in the order they were made, and any call can be
// made to fail or to crash.
class InMemoryFileSystem : public platform::FileSystem {
 public:
  void AddFolder(const std::wstring& path);
  void AddFile(const std::wstring& path, std::string content, FileEntry attributes = {});

  // The call with this 1-based index (over all operations) fails with the
  // given number, or crashes. A failing copy first writes half of its file.
  void FailCall(int call_index, std::int32_t number, std::wstring description);
  void CrashAtCall(int call_index);
  // Every later call of this operation on this exact path fails.
  void FailOperation(Operation operation, const std::wstring& path, std::int32_t number);

  // What a power cut leaves: unflushed written content is gone.
  void PowerCut();

  std::optional<std::string> ContentOf(const std::wstring& path) const;
  // Every file as path (as stored) -> content, for comparing whole trees.
  std::map<std::wstring, std::string> Snapshot() const;
  std::vector<std::wstring> FilesIn(const std::wstring& folder) const;
  const std::vector<Operation>& Calls() const { return calls_; }

  platform::Folder GetFolder(const std::wstring& path) override;
  std::vector<std::wstring> SubFolders(const platform::Folder& folder) override;
  bool FileExists(const std::wstring& path) override;
  void DeleteFile(const std::wstring& path) override;
  void CopyFile(const std::wstring& source, const std::wstring& destination) override;
  void Rename(const std::wstring& from, const std::wstring& to) override;
  std::wstring Dir(const std::wstring& path) override;
  void Flush(const std::wstring& path) override;

  // The engine fake writes through here, as a separate program would.
  void WriteFile(const std::wstring& path, std::string content);

 private:
  struct File {
    std::wstring path;  // as stored
    FileEntry entry;
  };
  struct Injected {
    std::int32_t number;
    std::wstring description;
    bool crash;
  };

  // Records the call and raises whatever was injected for it.
  void Enter(Operation operation, const std::wstring& path, const std::function<void()>& before_failing = {});
  bool FolderExists(const std::wstring& path) const;

  std::vector<std::wstring> folders_;     // as stored, in creation order
  std::set<std::wstring> folded_folders_;
  std::map<std::wstring, File> files_;    // by folded path
  std::map<int, Injected> injected_by_call_;
  std::map<std::pair<Operation, std::wstring>, std::int32_t> failing_operations_;
  std::vector<Operation> calls_;
};

}  // namespace testing_support
