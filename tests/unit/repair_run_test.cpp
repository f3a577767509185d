// The run up to the database presence test: code validation, session scan and
// the missing-database report. None of these outcomes may change a file.
#include <gtest/gtest.h>

#include "repair_harness.h"

namespace {

using platform::MessageIcon;
using testing_support::kRoot;
using testing_support::RepairHarness;

const std::wstring kDuplicateTitle = L"RALAT FOLDER DATA BERULANG";

std::wstring DuplicateText(const std::wstring& name) {
  return L"Terdapat folder data yang berulang dalam C:\\DATA-REKODARIS-SM$\r\n\r\nAntaranya : " + name +
         L"\r\n\r\nSila hapus folder data yang lebih lama tarikhnya";
}

TEST(RepairRunTest, EmptyCodeWarnsPutsFocusBackAndKeepsWindowAndState) {
  for (const std::wstring typed : {L"", L"     "}) {
    RepairHarness harness;
    harness.AddSession(L"DataSesi2023-SM-ABC1234", L"RekodarisSM2023.accdb", "db");
    harness.Click(typed);

    const auto& shown = harness.OnlyMessage();
    EXPECT_EQ(shown.text, L"Kod sekolah belum dimasukkan\r\n\r\nSila masukkan kod sekolah");
    EXPECT_EQ(shown.icon, MessageIcon::kExclamation);
    EXPECT_EQ(shown.title, std::nullopt);
    EXPECT_EQ(harness.window.focus_requests, 1);
    EXPECT_EQ(harness.window.close_requests, 0);
    EXPECT_TRUE(harness.run.state().KodSek.empty());
    EXPECT_TRUE(harness.run.state().Sesi.empty());
    EXPECT_TRUE(harness.run.state().FolderData.empty());
    EXPECT_FALSE(harness.run.state().colSesi.has_value());
    EXPECT_TRUE(harness.files.Calls().empty());
  }
}

TEST(RepairRunTest, MissingDatabaseNamesTheNewestSessionAndTouchesNothing) {
  RepairHarness harness;
  harness.AddSession(L"DataSesi2022-SM-ABC1234", L"RekodarisSM2022.accdb", "old");
  harness.AddSession(L"DataSesi2023-SM-ABC1234", L"", "");
  const auto before = harness.files.Snapshot();

  harness.Click(L"  abc 12 34 ");

  const auto& shown = harness.OnlyMessage();
  EXPECT_EQ(shown.text, L"RekodarisSM2023.accdb TIDAK ditemui\r\n\r\nCompact and Repair GAGAL");
  EXPECT_EQ(shown.icon, MessageIcon::kCritical);
  EXPECT_EQ(shown.title, std::wstring());
  EXPECT_EQ(harness.run.state().KodSek, L"ABC1234");
  EXPECT_EQ(harness.run.state().Sesi, L"2023");
  EXPECT_EQ(harness.run.state().FolderData, L"C:\\DATA-REKODARIS-SM$\\DataSesi2023-SM-ABC1234");
  EXPECT_EQ(harness.window.close_requests, 1);
  EXPECT_EQ(harness.files.Snapshot(), before);
  EXPECT_TRUE(harness.engines.created_classes.empty());
}

TEST(RepairRunTest, DatabaseCountsAsMissingWhenNotAnOrdinaryFile) {
  testing_support::FileEntry hidden;
  hidden.hidden = true;
  testing_support::FileEntry system;
  system.system = true;
  for (const auto& attributes : {hidden, system}) {
    RepairHarness harness;
    harness.AddSession(L"DataSesi2023-SM-ABC1234", L"RekodarisSM2023.accdb", "db", attributes);
    harness.Click(L"ABC1234");
    EXPECT_EQ(harness.OnlyMessage().text, L"RekodarisSM2023.accdb TIDAK ditemui\r\n\r\nCompact and Repair GAGAL");
    EXPECT_TRUE(harness.engines.created_classes.empty());
  }
}

TEST(RepairRunTest, CodeWithAPathSeparatorNeverLooksOutsideTheDataRoot) {
  for (const std::wstring typed : {L"..\\..\\Other", L"../x", L"ABC\\1234"}) {
    RepairHarness harness;
    harness.AddSession(L"DataSesi2023-SM-ABC1234", L"RekodarisSM2023.accdb", "db");
    harness.files.AddFolder(L"C:\\Other");
    harness.files.AddFile(L"C:\\Other\\RekodarisSM2023.accdb", "not ours");
    const auto before = harness.files.Snapshot();

    harness.Click(typed);

    EXPECT_EQ(harness.OnlyMessage().text, L"RekodarisSM2023.accdb TIDAK ditemui\r\n\r\nCompact and Repair GAGAL");
    EXPECT_EQ(harness.files.Snapshot(), before);
    for (const auto call : harness.files.Calls()) {
      EXPECT_TRUE(call == testing_support::Operation::kGetFolder ||
                  call == testing_support::Operation::kSubFolders)
          << NameOf(call);
    }
  }
}

struct ScanCase {
  const char* name;
  std::vector<std::wstring> folders;
  std::wstring expected_sesi;  // empty when the scan ends the run
};

class SessionScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(SessionScanTest, SelectsTheGreatestSessionCodeWhateverTheOrder) {
  RepairHarness harness;
  harness.files.AddFolder(kRoot);
  for (const auto& folder : GetParam().folders) harness.files.AddFolder(kRoot + L"\\" + folder);
  harness.Click(L"ABC1234");
  EXPECT_EQ(harness.run.state().Sesi, GetParam().expected_sesi);
  EXPECT_EQ(harness.window.close_requests, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SessionScanTest,
    ::testing::Values(
        ScanCase{"AscendingOrder", {L"DataSesi2022-SM-ABC1234", L"DataSesi2023-SM-ABC1234"}, L"2023"},
        ScanCase{"DescendingOrder", {L"DataSesi2023-SM-ABC1234", L"DataSesi2022-SM-ABC1234"}, L"2023"},
        ScanCase{"PrefixIgnoresCase", {L"datasesi2023-sm-x"}, L"2023"},
        ScanCase{"OtherSchoolsCount", {L"DataSesi2023-SM-ABC1234", L"DataSesi2024-SM-XYZ"}, L"2024"},
        ScanCase{"NonMatchingSkipped", {L"Backup", L"DataSes2025", L"xDataSesi2026", L"DataSesi2021-SM-A"}, L"2021"},
        ScanCase{"ShortNameGivesShortCode", {L"DataSesi20"}, L"20"},
        ScanCase{"CodeKeepsStoredCase", {L"DATASESIab12-SM-X"}, L"ab12"}),
    [](const auto& info) { return info.param.name; });

TEST(SessionScanTest, DuplicateCodesNameTheFolderMetSecond) {
  struct Case {
    std::vector<std::wstring> folders;
    std::wstring second;
  };
  for (const Case& c : {Case{{L"DataSesi2023-SM-A", L"DATASESI2023-SM-B"}, L"DATASESI2023-SM-B"},
                        Case{{L"DATASESI2023-SM-B", L"DataSesi2023-SM-A"}, L"DataSesi2023-SM-A"},
                        Case{{L"DataSesiabcd-SM-A", L"DataSesi2020", L"DataSesiABCD-SM-B"}, L"DataSesiABCD-SM-B"}}) {
    RepairHarness harness;
    harness.files.AddFolder(kRoot);
    for (const auto& folder : c.folders) {
      harness.files.AddFolder(kRoot + L"\\" + folder);
      harness.files.AddFile(kRoot + L"\\" + folder + L"\\RekodarisSM2023.accdb", "db");
    }
    const auto before = harness.files.Snapshot();

    harness.Click(L"A");

    const auto& shown = harness.OnlyMessage();
    EXPECT_EQ(shown.text, DuplicateText(c.second));
    EXPECT_EQ(shown.title, kDuplicateTitle);
    EXPECT_EQ(shown.icon, MessageIcon::kExclamation);
    EXPECT_EQ(harness.window.close_requests, 1);
    EXPECT_EQ(harness.files.Snapshot(), before);
  }
}

TEST(SessionScanTest, NoSessionFolderIsReportedAndFilesInTheRootAreIgnored) {
  RepairHarness harness;
  harness.files.AddFolder(kRoot);
  harness.files.AddFolder(kRoot + L"\\Lain-lain");
  harness.files.AddFile(kRoot + L"\\DataSesi2023.txt", "not a folder");
  harness.files.AddFolder(kRoot + L"\\Lain-lain\\DataSesi2023-SM-ABC1234");  // too deep

  harness.Click(L"ABC1234");

  const auto& shown = harness.OnlyMessage();
  EXPECT_EQ(shown.text,
            L"Tiada sebarang folder data dijumpai dalam C:\\DATA-REKODARIS-SM$\r\n\r\n"
            L"Sila masukkan folder data ke dalam C:\\DATA-REKODARIS-SM$");
  EXPECT_EQ(shown.title, std::wstring(L"RALAT TIADA FOLDER DATA"));
  EXPECT_EQ(shown.icon, MessageIcon::kExclamation);
  EXPECT_EQ(harness.window.close_requests, 1);
  ASSERT_TRUE(harness.run.state().colSesi.has_value());
  EXPECT_EQ(harness.run.state().colSesi->Count(), 0);
}

TEST(SessionScanTest, FailuresBeforeAnyFileIsTouchedAreReportedAndChangeNothing) {
  struct Case {
    const char* name;
    std::function<void(RepairHarness&)> arrange;
    std::wstring typed;
    std::wstring third_line;
  };
  const Case cases[] = {
      {"DataRootMissing", [](RepairHarness&) {}, L"ABC1234", L"Ralat : 76"},
      {"EnumerationFails",
       [](RepairHarness& h) {
         h.AddSession(L"DataSesi2023-SM-ABC1234", L"RekodarisSM2023.accdb", "db");
         h.files.FailOperation(testing_support::Operation::kSubFolders, kRoot, 70);
       },
       L"ABC1234", L"Ralat : 70"},
      {"CodeOverflows",
       [](RepairHarness& h) { h.AddSession(L"DataSesi2023-SM-ABC1234", L"RekodarisSM2023.accdb", "db"); },
       std::wstring(32767, L'x'), L"Ralat : 6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RepairHarness harness;
    c.arrange(harness);
    const auto before = harness.files.Snapshot();

    harness.Click(c.typed);

    const auto& shown = harness.OnlyMessage();
    EXPECT_EQ(shown.text.substr(0, shown.text.find(L"\r\n\r\n", 36)),
              L"COMPACT AND REPAIR TIDAK BERJAYA\r\n\r\n" + c.third_line);
    EXPECT_EQ(shown.icon, MessageIcon::kCritical);
    EXPECT_EQ(shown.title, std::nullopt);
    EXPECT_EQ(harness.window.close_requests, 1);
    EXPECT_EQ(harness.files.Snapshot(), before);
  }
}

TEST(SessionScanTest, The32768thSessionFolderOverflowsTheMatchCount) {
  RepairHarness harness;
  harness.files.AddFolder(kRoot);
  const std::wstring digits = L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  for (int i = 0; i < 32768; ++i) {
    std::wstring code;
    for (int rest = i, place = 0; place < 4; ++place, rest /= 36) code += digits[rest % 36];
    harness.files.AddFolder(kRoot + L"\\DataSesi" + code);
  }
  harness.Click(L"A");
  EXPECT_EQ(harness.OnlyMessage().text, L"COMPACT AND REPAIR TIDAK BERJAYA\r\n\r\nRalat : 6\r\n\r\nOverflow");
}

}  // namespace
