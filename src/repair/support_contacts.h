#pragma once

namespace repair {

// Where a school gets the Access engine installer and whom it calls for help.
// Shown in the engine-missing message; change them here only.
inline constexpr wchar_t kDownloadSite[] = L"www.rekodaris.com";
inline constexpr wchar_t kSupportTelephone[] = L"011-1234 5678";

}  // namespace repair
