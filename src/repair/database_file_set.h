#pragma once

#include <string>

namespace repair {

inline constexpr wchar_t kDataRoot[] = L"C:\\DATA-REKODARIS-SM$";

// The session's data folder, named from the session code and the school code
// by plain concatenation.
std::wstring FolderDataFor(const std::wstring& sesi, const std::wstring& kod_sek);

// The four files of one session. Each path is built afresh on every call, from
// the folder and session code the set was given.
class DatabaseFileSet {
 public:
  DatabaseFileSet(const std::wstring& folder_data, const std::wstring& sesi)
      : folder_data_(folder_data), sesi_(sesi) {}

  std::wstring Database() const { return PathWithSuffix(L".accdb"); }
  std::wstring CompactedCopy() const { return PathWithSuffix(L" compact.accdb"); }
  std::wstring BackupCopy() const { return PathWithSuffix(L" backup.accdb"); }
  std::wstring LockFile() const { return PathWithSuffix(L".laccdb"); }

 private:
  std::wstring PathWithSuffix(const wchar_t* suffix) const;

  const std::wstring& folder_data_;
  const std::wstring& sesi_;
};

}  // namespace repair
