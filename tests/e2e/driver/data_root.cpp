#include "driver/data_root.h"

#include <stdexcept>

#include "driver/owned_handles.h"

namespace e2e {

namespace {

std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (const wchar_t c : text) narrow.push_back(c < 128 ? static_cast<char>(c) : '?');
  return narrow;
}

[[noreturn]] void Fail(const std::string& what, const std::wstring& path) {
  throw std::runtime_error(what + " " + Narrow(path) + " failed with error " + std::to_string(::GetLastError()));
}

void EnsureFolder(const std::wstring& path) {
  if (!::CreateDirectoryW(path.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
    Fail("CreateDirectoryW", path);
  }
}

std::string ReadWholeFile(const std::wstring& path) {
  OwnedFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return "<unreadable>";
  std::string content;
  char buffer[4096];
  DWORD read = 0;
  while (::ReadFile(file.get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) content.append(buffer, read);
  return content;
}

// Calls visit(relative path, find data) for every entry under folder.
template <typename Visit>
void Walk(const std::wstring& folder, const std::wstring& relative, Visit visit) {
  WIN32_FIND_DATAW entry{};
  OwnedFind find(::FindFirstFileW((folder + L"\\*").c_str(), &entry));
  if (!find.valid()) return;
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    visit(relative + name, folder + L"\\" + name, entry);
  } while (::FindNextFileW(find.get(), &entry));
}

void CollectTree(const std::wstring& folder, const std::wstring& relative, FileTree& tree) {
  Walk(folder, relative, [&](const std::wstring& entry_relative, const std::wstring& path, const WIN32_FIND_DATAW& entry) {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      tree[entry_relative + L"\\"] = "";
      CollectTree(path, entry_relative + L"\\", tree);
    } else {
      tree[entry_relative] = ReadWholeFile(path);
    }
  });
}

void RemoveFolder(const std::wstring& folder) {
  Walk(folder, L"", [&](const std::wstring&, const std::wstring& path, const WIN32_FIND_DATAW& entry) {
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      RemoveFolder(path);
    } else if (!::DeleteFileW(path.c_str())) {
      Fail("DeleteFileW", path);
    }
  });
  if (!::RemoveDirectoryW(folder.c_str())) Fail("RemoveDirectoryW", folder);
}

}  // namespace

void CreateDataFolder(const std::wstring& relative) {
  EnsureFolder(kDataRoot);
  std::wstring path = kDataRoot;
  size_t start = 0;
  while (start <= relative.size()) {
    const size_t end = relative.find(L'\\', start);
    const std::wstring part = relative.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    if (!part.empty()) {
      path += L"\\" + part;
      EnsureFolder(path);
    }
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
}

void CreateDataFile(const std::wstring& relative, const std::string& bytes, DWORD attributes) {
  const size_t last_separator = relative.rfind(L'\\');
  if (last_separator == std::wstring::npos) {
    EnsureFolder(kDataRoot);
  } else {
    CreateDataFolder(relative.substr(0, last_separator));
  }
  const std::wstring path = kDataRoot + L"\\" + relative;
  {
    OwnedFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) Fail("CreateFileW", path);
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
      Fail("WriteFile", path);
    }
  }
  if (attributes != FILE_ATTRIBUTE_NORMAL && !::SetFileAttributesW(path.c_str(), attributes)) {
    Fail("SetFileAttributesW", path);
  }
}

FileTree ListDataRoot() {
  FileTree tree;
  CollectTree(kDataRoot, L"", tree);
  return tree;
}

void RemoveDataRoot() {
  if (::GetFileAttributesW(kDataRoot.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  RemoveFolder(kDataRoot);
}

}  // namespace e2e
