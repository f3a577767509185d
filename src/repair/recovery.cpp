#include "repair/recovery.h"

#include "repair/database_file_set.h"
#include "repair/messages.h"

namespace repair {

namespace {

void DeleteIfPresent(platform::FileSystem& fso, const std::wstring& path) {
  if (fso.FileExists(path)) fso.DeleteFile(path);
}

// Puts the database back from whichever copy is the good one at this stage.
// Where a step might have done its work and still reported a failure, the disk
// decides rather than the stage, so a good copy is never taken for a stale one.
void RestoreDatabase(RepairStage stage, const DatabaseFileSet& files, platform::FileSystem& fso) {
  switch (stage) {
    case RepairStage::kNothingTouched:
      return;
    case RepairStage::kCopyingBackup:
      // The database is untouched; a half-written backup is worth nothing.
      DeleteIfPresent(fso, files.BackupCopy());
      return;
    case RepairStage::kBackupComplete:
      if (fso.FileExists(files.Database())) {
        DeleteIfPresent(fso, files.CompactedCopy());
        DeleteIfPresent(fso, files.BackupCopy());
        return;
      }
      // The delete went through although it reported a failure.
      [[fallthrough]];
    case RepairStage::kOriginalDeleted:
      if (!fso.FileExists(files.Database())) {
        fso.Rename(files.BackupCopy(), files.Database());
        DeleteIfPresent(fso, files.CompactedCopy());
        return;
      }
      // The rename went through although it reported a failure.
      [[fallthrough]];
    case RepairStage::kCompactedInPlace:
      if (fso.FileExists(files.BackupCopy())) {
        // The compacted database steps aside first, so that some complete copy
        // stands beside the database path whichever step fails next.
        fso.Rename(files.Database(), files.CompactedCopy());
        fso.Rename(files.BackupCopy(), files.Database());
        fso.DeleteFile(files.CompactedCopy());
      }
      return;
    case RepairStage::kBackupRemoved:
      // The compacted database is the only copy left, and it is complete.
      return;
  }
}

bool IsEngineMissing(const platform::Failure& failure) {
  return failure.number() == platform::failure_number::kEngineNotInstalled ||
         failure.number() == platform::failure_number::kCannotCreateObject;
}

}  // namespace

void RecoverFromFailure(const platform::Failure& failure, const RunState& state,
                        const Services& services, RepairStage stage) {
  try {
    RestoreDatabase(stage, DatabaseFileSet(state.FolderData, state.Sesi), services.fso);
  } catch (const platform::Failure& recovery_failure) {
    // Not retried: the files stay as they are and the user learns both failures.
    Show(services.messages, RecoveryFailedMessage(failure, recovery_failure, state.FolderData));
    return;
  }
  Show(services.messages,
       IsEngineMissing(failure) ? EngineMissingMessage() : GeneralFailureMessage(failure));
}

}  // namespace repair
