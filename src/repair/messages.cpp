#include "repair/messages.h"

#include <string>

#include "repair/database_file_set.h"
#include "repair/support_contacts.h"

namespace repair {

using platform::MessageIcon;

namespace {

constexpr wchar_t kRepairFailedHeading[] = L"COMPACT AND REPAIR TIDAK BERJAYA";

std::wstring FailureNumberLine(const platform::Failure& failure) {
  return L"Ralat : " + std::to_wstring(failure.number());
}

}  // namespace

std::wstring JoinLines(std::initializer_list<std::wstring> lines) {
  std::wstring text;
  bool first = true;
  for (const std::wstring& line : lines) {
    if (!first) text += L"\r\n";
    text += line;
    first = false;
  }
  return text;
}

void Show(platform::MessageBoxService& messages, const Message& message) {
  messages.Show(message.text, message.icon, message.title);
}

Message KodSekMissingMessage() {
  return {JoinLines({L"Kod sekolah belum dimasukkan", L"", L"Sila masukkan kod sekolah"}),
          MessageIcon::kExclamation, std::nullopt};
}

Message DuplicateSessionMessage(const std::wstring& folder_name) {
  return {JoinLines({std::wstring(L"Terdapat folder data yang berulang dalam ") + kDataRoot, L"",
                     L"Antaranya : " + folder_name, L"",
                     L"Sila hapus folder data yang lebih lama tarikhnya"}),
          MessageIcon::kExclamation, L"RALAT FOLDER DATA BERULANG"};
}

Message NoSessionFolderMessage() {
  return {JoinLines({std::wstring(L"Tiada sebarang folder data dijumpai dalam ") + kDataRoot, L"",
                     std::wstring(L"Sila masukkan folder data ke dalam ") + kDataRoot}),
          MessageIcon::kExclamation, L"RALAT TIADA FOLDER DATA"};
}

Message DatabaseMissingMessage(const std::wstring& sesi) {
  return {JoinLines({L"RekodarisSM" + sesi + L".accdb" + L" TIDAK ditemui", L"",
                     L"Compact and Repair GAGAL"}),
          MessageIcon::kCritical, L""};
}

Message SuccessMessage() {
  return {JoinLines({L"Compact and Repair BERJAYA", L"", L"Sila mulakan Rekodaris seperti biasa"}),
          MessageIcon::kInformation, L""};
}

Message EngineMissingMessage() {
  return {JoinLines({
              kRepairFailedHeading,
              L"",
              L"Ralat mengakses \"Microsoft Access 2007\"",
              L"",
              L"Anda perlu muat turun dan install \"AccessDBEngine2007\"",
              L"",
              std::wstring(L"Ia boleh dimuat turun dari ") + kDownloadSite +
                  L" (Pada page Installer Rekodaris)",
              L"",
              L"CATATAN: Jika ralat yang sama diperolehi setelah anda install AccessDBEngine2007, "
              L"ia mungkin disebabkan oleh setting Office 360",
              L"",
              std::wstring(L"Sila hubungi ") + kSupportTelephone +
                  L" untuk bantuan troubleshoot melalui Ultraviewer",
          }),
          MessageIcon::kExclamation, std::nullopt};
}

Message GeneralFailureMessage(const platform::Failure& failure) {
  return {JoinLines({kRepairFailedHeading, L"", FailureNumberLine(failure), L"",
                     failure.description()}),
          MessageIcon::kCritical, std::nullopt};
}

Message RecoveryFailedMessage(const platform::Failure& failure,
                              const platform::Failure& recovery_failure,
                              const std::wstring& folder_data) {
  return {JoinLines({kRepairFailedHeading, L"", FailureNumberLine(failure), L"",
                     failure.description(), L"",
                     L"Fail pangkalan data TIDAK dapat dipulihkan sepenuhnya", L"",
                     FailureNumberLine(recovery_failure), L"", recovery_failure.description(), L"",
                     L"Jangan mulakan Rekodaris. Fail-fail dibiarkan seperti sedia ada dalam " +
                         folder_data,
                     L"", L"Sila hubungi " + std::wstring(kSupportTelephone) + L" untuk bantuan"}),
          MessageIcon::kCritical, std::nullopt};
}

}  // namespace repair
