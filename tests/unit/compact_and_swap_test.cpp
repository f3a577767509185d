// A present database: backup, compaction through the engine, swap, and the
// report, including the engine's own failures.
#include <gtest/gtest.h>

#include "repair_harness.h"

namespace {

using platform::MessageIcon;
using testing_support::RepairHarness;

const std::wstring kFolder = L"C:\\DATA-REKODARIS-SM$\\DataSesi2023-SM-ABC1234";
const std::wstring kDatabase = kFolder + L"\\RekodarisSM2023.accdb";
const std::string kOriginal = "the school's records";

TEST(CompactAndSwapTest, SuccessLeavesOnlyTheCompactedDatabase) {
  RepairHarness harness;
  harness.AddSession(L"DATASESI2023-SM-ABC1234", L"RekodarisSM2023.accdb", kOriginal);
  harness.files.AddFile(kFolder + L"\\RekodarisSM2023 compact.accdb", "stale compacted copy");
  harness.files.AddFile(kFolder + L"\\RekodarisSM2023 backup.accdb", "stale backup");
  harness.files.AddFile(kFolder + L"\\RekodarisSM2023.laccdb", "lock");

  harness.Click(L"abc1234");

  const auto& shown = harness.OnlyMessage();
  EXPECT_EQ(shown.text, L"Compact and Repair BERJAYA\r\n\r\nSila mulakan Rekodaris seperti biasa");
  EXPECT_EQ(shown.icon, MessageIcon::kInformation);
  EXPECT_EQ(shown.title, std::wstring());
  EXPECT_EQ(harness.files.FilesIn(kFolder), std::vector<std::wstring>{L"RekodarisSM2023.accdb"});
  EXPECT_EQ(harness.files.ContentOf(kDatabase), testing_support::kCompactedMarker + kOriginal);
  EXPECT_EQ(harness.window.close_requests, 1);

  EXPECT_EQ(harness.engines.created_classes, std::vector<std::wstring>{L"DAO.DBEngine.120"});
  ASSERT_EQ(harness.engines.calls.size(), 1u);
  const auto& call = harness.engines.calls[0];
  EXPECT_EQ(call.source, kDatabase);
  EXPECT_EQ(call.destination, kFolder + L"\\RekodarisSM2023 compact.accdb");
  EXPECT_EQ(call.options, 128);
  EXPECT_EQ(call.password, L";pwd=Kd?Wy3*%[71e60935]~");
  EXPECT_EQ(harness.engines.live_engines, 0) << "the engine outlived the run";
}

TEST(CompactAndSwapTest, ReadOnlyDatabaseIsStillReplaced) {
  RepairHarness harness;
  testing_support::FileEntry read_only;
  read_only.read_only = true;
  harness.AddSession(L"DataSesi2023-SM-ABC1234", L"RekodarisSM2023.accdb", kOriginal, read_only);
  harness.Click(L"ABC1234");
  EXPECT_EQ(harness.OnlyMessage().icon, MessageIcon::kInformation);
  EXPECT_EQ(harness.files.ContentOf(kDatabase), testing_support::kCompactedMarker + kOriginal);
}

TEST(CompactAndSwapTest, EngineMissingGivesInstallAdviceAndKeepsTheDatabase) {
  for (const std::int32_t number : {429, 3706}) {
    RepairHarness harness;
    harness.AddSession(L"DataSesi2023-SM-ABC1234", L"RekodarisSM2023.accdb", kOriginal);
    harness.files.AddFile(kFolder + L"\\RekodarisSM2023.laccdb", "lock");
    if (number == 429) {
      harness.engines.registered = false;
    } else {
      harness.engines.compact_failure = platform::Failure(number, L"engine not installed");
    }

    harness.Click(L"ABC1234");

    const auto& shown = harness.OnlyMessage();
    EXPECT_EQ(shown.text,
              L"COMPACT AND REPAIR TIDAK BERJAYA\r\n\r\n"
              L"Ralat mengakses \"Microsoft Access 2007\"\r\n\r\n"
              L"Anda perlu muat turun dan install \"AccessDBEngine2007\"\r\n\r\n"
              L"Ia boleh dimuat turun dari www.rekodaris.com (Pada page Installer Rekodaris)\r\n\r\n"
              L"CATATAN: Jika ralat yang sama diperolehi setelah anda install AccessDBEngine2007, "
              L"ia mungkin disebabkan oleh setting Office 360\r\n\r\n"
              L"Sila hubungi 011-1234 5678 untuk bantuan troubleshoot melalui Ultraviewer");
    EXPECT_EQ(shown.icon, MessageIcon::kExclamation);
    EXPECT_EQ(shown.title, std::nullopt);
    EXPECT_EQ(harness.files.ContentOf(kDatabase), kOriginal);
    EXPECT_EQ(harness.files.FilesIn(kFolder),
              (std::vector<std::wstring>{L"RekodarisSM2023.accdb", L"RekodarisSM2023.laccdb"}));
    EXPECT_EQ(harness.window.close_requests, 1);
  }
}

TEST(CompactAndSwapTest, EngineRefusalIsReportedWithItsNumberAndTheDatabaseStays) {
  struct Case {
    std::int32_t number;
    std::wstring number_text;
    bool partial_copy;
  };
  for (const Case& c : {Case{3031, L"3031", false}, Case{-2147467259, L"-2147467259", true}}) {
    RepairHarness harness;
    harness.AddSession(L"DataSesi2023-SM-ABC1234", L"RekodarisSM2023.accdb", kOriginal);
    harness.engines.compact_failure = platform::Failure(c.number, L"Not a valid password.");
    harness.engines.leaves_partial_copy_on_failure = c.partial_copy;

    harness.Click(L"ABC1234");

    const auto& shown = harness.OnlyMessage();
    EXPECT_EQ(shown.text, L"COMPACT AND REPAIR TIDAK BERJAYA\r\n\r\nRalat : " + c.number_text +
                              L"\r\n\r\nNot a valid password.");
    EXPECT_EQ(shown.icon, MessageIcon::kCritical);
    EXPECT_EQ(shown.title, std::nullopt);
    EXPECT_EQ(harness.files.FilesIn(kFolder), std::vector<std::wstring>{L"RekodarisSM2023.accdb"});
    EXPECT_EQ(harness.files.ContentOf(kDatabase), kOriginal);
  }
}

}  // namespace
