#include "repair/database_file_set.h"

namespace repair {

std::wstring FolderDataFor(const std::wstring& sesi, const std::wstring& kod_sek) {
  return std::wstring(kDataRoot) + L"\\DataSesi" + sesi + L"-SM-" + kod_sek;
}

std::wstring DatabaseFileSet::PathWithSuffix(const wchar_t* suffix) const {
  return folder_data_ + L"\\RekodarisSM" + sesi_ + suffix;
}

}  // namespace repair
