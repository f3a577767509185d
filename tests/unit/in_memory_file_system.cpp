#include "in_memory_file_system.h"

#include <cwctype>

#include "platform/failure.h"

namespace testing_support {

namespace {

std::wstring Fold(const std::wstring& path) {
  std::wstring folded = path;
  for (wchar_t& character : folded) character = static_cast<wchar_t>(std::towupper(character));
  return folded;
}

std::wstring ParentOf(const std::wstring& path) {
  const auto separator = path.rfind(L'\\');
  return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

std::wstring NameOf(const std::wstring& path) {
  const auto separator = path.rfind(L'\\');
  return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

[[noreturn]] void Raise(std::int32_t number, const wchar_t* description) {
  throw platform::Failure(number, description);
}

}  // namespace

const char* NameOf(Operation operation) {
  switch (operation) {
    case Operation::kGetFolder: return "GetFolder";
    case Operation::kSubFolders: return "SubFolders";
    case Operation::kFileExists: return "FileExists";
    case Operation::kDeleteFile: return "DeleteFile";
    case Operation::kCopyFile: return "CopyFile";
    case Operation::kRename: return "Rename";
    case Operation::kDir: return "Dir";
    case Operation::kFlush: return "Flush";
  }
  return "?";
}

void InMemoryFileSystem::AddFolder(const std::wstring& path) {
  if (folded_folders_.insert(Fold(path)).second) folders_.push_back(path);
}

void InMemoryFileSystem::AddFile(const std::wstring& path, std::string content, FileEntry attributes) {
  attributes.content = std::move(content);
  files_[Fold(path)] = File{path, std::move(attributes)};
}

void InMemoryFileSystem::FailCall(int call_index, std::int32_t number, std::wstring description) {
  injected_by_call_[call_index] = Injected{number, std::move(description), false};
}

void InMemoryFileSystem::CrashAtCall(int call_index) {
  injected_by_call_[call_index] = Injected{0, L"", true};
}

void InMemoryFileSystem::FailOperation(Operation operation, const std::wstring& path, std::int32_t number) {
  failing_operations_[{operation, Fold(path)}] = number;
}

void InMemoryFileSystem::PowerCut() {
  for (auto& [key, file] : files_) {
    if (!file.entry.durable) {
      file.entry.content.clear();
      file.entry.durable = true;
    }
  }
}

std::optional<std::string> InMemoryFileSystem::ContentOf(const std::wstring& path) const {
  const auto found = files_.find(Fold(path));
  if (found == files_.end()) return std::nullopt;
  return found->second.entry.content;
}

std::map<std::wstring, std::string> InMemoryFileSystem::Snapshot() const {
  std::map<std::wstring, std::string> snapshot;
  for (const auto& [key, file] : files_) snapshot[file.path] = file.entry.content;
  return snapshot;
}

std::vector<std::wstring> InMemoryFileSystem::FilesIn(const std::wstring& folder) const {
  std::vector<std::wstring> names;
  for (const auto& [key, file] : files_) {
    if (Fold(ParentOf(file.path)) == Fold(folder)) names.push_back(NameOf(file.path));
  }
  return names;
}

void InMemoryFileSystem::Enter(Operation operation, const std::wstring& path,
                               const std::function<void()>& before_failing) {
  calls_.push_back(operation);
  const auto injected = injected_by_call_.find(static_cast<int>(calls_.size()));
  if (injected != injected_by_call_.end()) {
    if (injected->second.crash) throw SimulatedCrash{};
    if (before_failing) before_failing();
    throw platform::Failure(injected->second.number, injected->second.description);
  }
  const auto failing = failing_operations_.find({operation, Fold(path)});
  if (failing != failing_operations_.end()) {
    if (before_failing) before_failing();
    throw platform::Failure(failing->second, L"Injected failure");
  }
}

bool InMemoryFileSystem::FolderExists(const std::wstring& path) const {
  return folded_folders_.count(Fold(path)) != 0;
}

platform::Folder InMemoryFileSystem::GetFolder(const std::wstring& path) {
  Enter(Operation::kGetFolder, path);
  if (!FolderExists(path)) Raise(76, L"Path not found");
  return platform::Folder{path};
}

std::vector<std::wstring> InMemoryFileSystem::SubFolders(const platform::Folder& folder) {
  Enter(Operation::kSubFolders, folder.path);
  std::vector<std::wstring> names;
  const std::wstring parent = Fold(folder.path);
  for (const std::wstring& candidate : folders_) {
    if (Fold(ParentOf(candidate)) == parent) names.push_back(NameOf(candidate));
  }
  return names;
}

bool InMemoryFileSystem::FileExists(const std::wstring& path) {
  Enter(Operation::kFileExists, path);
  return files_.count(Fold(path)) != 0;
}

void InMemoryFileSystem::DeleteFile(const std::wstring& path) {
  Enter(Operation::kDeleteFile, path);
  if (files_.erase(Fold(path)) == 0) Raise(53, L"File not found");
}

void InMemoryFileSystem::CopyFile(const std::wstring& source, const std::wstring& destination) {
  const auto found = files_.find(Fold(source));
  // A copy that fails part-way leaves the first half of the file behind.
  Enter(Operation::kCopyFile, destination, [&] {
    if (found != files_.end() && FolderExists(ParentOf(destination))) {
      const std::string& content = found->second.entry.content;
      WriteFile(destination, content.substr(0, content.size() / 2));
    }
  });
  if (found == files_.end()) Raise(53, L"File not found");
  if (!FolderExists(ParentOf(destination))) Raise(76, L"Path not found");
  const auto existing = files_.find(Fold(destination));
  if (existing != files_.end() && existing->second.entry.read_only) Raise(70, L"Permission denied");
  WriteFile(destination, found->second.entry.content);
}

void InMemoryFileSystem::Rename(const std::wstring& from, const std::wstring& to) {
  Enter(Operation::kRename, from);
  const auto found = files_.find(Fold(from));
  if (found == files_.end()) Raise(53, L"File not found");
  if (files_.count(Fold(to)) != 0) Raise(58, L"File already exists");
  File moved = std::move(found->second);
  files_.erase(found);
  moved.path = to;
  files_[Fold(to)] = std::move(moved);
}

std::wstring InMemoryFileSystem::Dir(const std::wstring& path) {
  Enter(Operation::kDir, path);
  const auto found = files_.find(Fold(path));
  if (found == files_.end() || found->second.entry.hidden || found->second.entry.system) return {};
  return NameOf(found->second.path);
}

void InMemoryFileSystem::Flush(const std::wstring& path) {
  Enter(Operation::kFlush, path);
  const auto found = files_.find(Fold(path));
  if (found == files_.end()) Raise(53, L"File not found");
  found->second.entry.durable = true;
}

void InMemoryFileSystem::WriteFile(const std::wstring& path, std::string content) {
  File& file = files_[Fold(path)];
  file.path = path;
  file.entry = FileEntry{};
  file.entry.content = std::move(content);
  file.entry.durable = false;
}

}  // namespace testing_support
