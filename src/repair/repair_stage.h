#pragma once

namespace repair {

// How far the swap has gone, so that recovery knows which copy is the good one.
// Each stage is entered only once the step before it has fully succeeded.
enum class RepairStage {
  kNothingTouched,    // no file of the session has been written yet
  kCopyingBackup,     // the backup copy may exist only in part
  kBackupComplete,    // a complete backup stands beside the untouched database
  kOriginalDeleted,   // the database path is empty; backup and compacted copy remain
  kCompactedInPlace,  // the compacted copy is the database; the backup still exists
  kBackupRemoved,     // the repair is done; only the lock file may remain
};

}  // namespace repair
