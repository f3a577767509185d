// Fails, or stops dead, every file operation of a whole repair in turn, and
// checks after each that the school's database was not lost.
#include <gtest/gtest.h>

#include <sstream>

#include "repair_harness.h"

namespace {

using testing_support::Operation;
using testing_support::RepairHarness;

const std::wstring kFolder = L"C:\\DATA-REKODARIS-SM$\\DataSesi2023-SM-ABC1234";
const std::wstring kDatabase = kFolder + L"\\RekodarisSM2023.accdb";
const std::wstring kCompacted = kFolder + L"\\RekodarisSM2023 compact.accdb";
const std::wstring kBackup = kFolder + L"\\RekodarisSM2023 backup.accdb";
const std::wstring kLock = kFolder + L"\\RekodarisSM2023.laccdb";
const std::string kOriginal = "the school's records, all of them";
const std::string kCompactedContent = testing_support::kCompactedMarker + kOriginal;

// A folder as a repair finds it: the database, a stale compacted copy and backup
// from an earlier failed run, and the engine's lock file.
void Arrange(RepairHarness& harness) {
  harness.AddSession(L"DataSesi2023-SM-ABC1234", L"RekodarisSM2023.accdb", kOriginal);
  harness.files.AddFile(kCompacted, "stale compacted copy");
  harness.files.AddFile(kBackup, "stale backup");
  harness.files.AddFile(kLock, "lock");
}

bool IsGoodDatabase(const std::optional<std::string>& content) {
  return content == kOriginal || content == kCompactedContent;
}

std::string Describe(const RepairHarness& harness) {
  std::ostringstream out;
  for (const auto& [path, content] : harness.files.Snapshot()) {
    out << std::string(path.begin(), path.end()) << " = \"" << content << "\"\n";
  }
  return out.str();
}

// After a failure that recovery handled: the database is whole at its path and
// nothing the run made is left beside it.
void ExpectRecovered(const RepairHarness& harness) {
  EXPECT_TRUE(IsGoodDatabase(harness.files.ContentOf(kDatabase))) << Describe(harness);
  EXPECT_FALSE(harness.files.ContentOf(kCompacted) == kCompactedContent &&
               harness.files.ContentOf(kDatabase) == kOriginal)
      << "compacted copy left behind\n" << Describe(harness);
  EXPECT_FALSE(harness.files.ContentOf(kBackup).has_value() &&
               harness.files.ContentOf(kBackup) != "stale backup")
      << "backup left behind\n" << Describe(harness);
  EXPECT_TRUE(harness.files.ContentOf(kLock).has_value()) << "the lock file must stay after a failure";
}

// After a stop at any moment: a complete copy is at the database path, or the
// path is empty and a complete copy lies beside it.
void ExpectRecoverable(const RepairHarness& harness) {
  if (IsGoodDatabase(harness.files.ContentOf(kDatabase))) return;
  EXPECT_FALSE(harness.files.ContentOf(kDatabase).has_value()) << "a damaged database\n" << Describe(harness);
  EXPECT_TRUE(harness.files.ContentOf(kBackup) == kOriginal ||
              harness.files.ContentOf(kCompacted) == kCompactedContent)
      << "no complete copy left\n" << Describe(harness);
}

int CallsOfAWholeRepair() {
  RepairHarness harness;
  Arrange(harness);
  harness.Click(L"ABC1234");
  EXPECT_EQ(harness.OnlyMessage().icon, platform::MessageIcon::kInformation);
  return static_cast<int>(harness.files.Calls().size());
}

TEST(FaultSweepTest, EveryFailingOperationIsReportedAndTheDatabaseStaysWhole) {
  const int calls = CallsOfAWholeRepair();
  ASSERT_GT(calls, 10);
  for (int failing = 1; failing <= calls; ++failing) {
    RepairHarness harness;
    Arrange(harness);
    harness.files.FailCall(failing, 70, L"Permission denied");
    harness.Click(L"ABC1234");

    SCOPED_TRACE(testing::Message() << "call " << failing << " (" << NameOf(harness.files.Calls()[failing - 1])
                                    << ") failed");
    EXPECT_EQ(harness.OnlyMessage().text, L"COMPACT AND REPAIR TIDAK BERJAYA\r\n\r\nRalat : 70\r\n\r\nPermission denied");
    EXPECT_EQ(harness.window.close_requests, 1);
    ExpectRecovered(harness);
  }
}

TEST(FaultSweepTest, AFailureInsideRecoveryIsReportedAndLeavesACompleteCopy) {
  const int calls = CallsOfAWholeRepair();
  for (int failing = 1; failing <= calls; ++failing) {
    // Fail each operation that recovery makes after the first failure, in turn.
    for (int recovery_failing = failing + 1;; ++recovery_failing) {
      RepairHarness harness;
      Arrange(harness);
      harness.files.FailCall(failing, 70, L"Permission denied");
      harness.files.FailCall(recovery_failing, 75, L"Path/File access error");
      harness.Click(L"ABC1234");
      if (static_cast<int>(harness.files.Calls().size()) < recovery_failing) break;

      SCOPED_TRACE(testing::Message() << "calls " << failing << " and " << recovery_failing << " failed");
      const std::wstring text = harness.OnlyMessage().text;
      EXPECT_EQ(text.rfind(L"COMPACT AND REPAIR TIDAK BERJAYA\r\n\r\nRalat : 70\r\n\r\nPermission denied\r\n\r\n", 0), 0u)
          << std::string(text.begin(), text.end());
      EXPECT_NE(text.find(L"Ralat : 75\r\n\r\nPath/File access error"), std::wstring::npos);
      EXPECT_NE(text.find(kFolder), std::wstring::npos);
      EXPECT_EQ(harness.OnlyMessage().icon, platform::MessageIcon::kCritical);
      EXPECT_EQ(harness.window.close_requests, 1);
      ExpectRecoverable(harness);
    }
  }
}

TEST(FaultSweepTest, StoppingDeadAtAnyOperationEvenWithAPowerCutLosesNothing) {
  const int calls = CallsOfAWholeRepair();
  for (int crashing = 1; crashing <= calls; ++crashing) {
    RepairHarness harness;
    Arrange(harness);
    harness.files.CrashAtCall(crashing);
    EXPECT_THROW(harness.Click(L"ABC1234"), testing_support::SimulatedCrash);
    harness.files.PowerCut();

    SCOPED_TRACE(testing::Message() << "stopped at call " << crashing);
    ExpectRecoverable(harness);
  }
}

TEST(FaultSweepTest, StoppingDeadDuringRecoveryEvenWithAPowerCutLosesNothing) {
  const int calls = CallsOfAWholeRepair();
  for (int failing = 1; failing <= calls; ++failing) {
    for (int crashing = failing + 1;; ++crashing) {
      RepairHarness harness;
      Arrange(harness);
      harness.files.FailCall(failing, 70, L"Permission denied");
      harness.files.CrashAtCall(crashing);
      try {
        harness.Click(L"ABC1234");
        break;  // recovery finished before reaching that call
      } catch (const testing_support::SimulatedCrash&) {
      }
      harness.files.PowerCut();

      SCOPED_TRACE(testing::Message() << "call " << failing << " failed, stopped at call " << crashing);
      ExpectRecoverable(harness);
    }
  }
}

TEST(FaultSweepTest, AnEngineThatFailsHalfWayLeavesNoPartialCopy) {
  RepairHarness harness;
  Arrange(harness);
  harness.engines.compact_failure = platform::Failure(3049, L"Cannot open database. It may be corrupt.");
  harness.engines.leaves_partial_copy_on_failure = true;
  harness.Click(L"ABC1234");
  EXPECT_EQ(harness.files.FilesIn(kFolder),
            (std::vector<std::wstring>{L"RekodarisSM2023.accdb", L"RekodarisSM2023.laccdb"}));
  EXPECT_EQ(harness.files.ContentOf(kDatabase), kOriginal);
}

}  // namespace
