#include "repair/compact_and_swap.h"

#include "repair/database_file_set.h"
#include "repair/database_password.h"
#include "repair/messages.h"

namespace repair {

namespace {

void DeleteIfPresent(platform::FileSystem& fso, const std::wstring& path) {
  if (fso.FileExists(path)) fso.DeleteFile(path);
}

}  // namespace

void CompactAndSwap(const RunState& state, const Services& services, RepairStage& stage,
                    std::unique_ptr<platform::DatabaseEngine>& engine) {
  platform::FileSystem& fso = services.fso;
  const DatabaseFileSet files(state.FolderData, state.Sesi);

  // The engine refuses a destination that already exists.
  DeleteIfPresent(fso, files.CompactedCopy());

  stage = RepairStage::kCopyingBackup;
  fso.CopyFile(files.Database(), files.BackupCopy());
  // The backup is the copy recovery leans on: it must survive a power cut.
  fso.Flush(files.BackupCopy());
  stage = RepairStage::kBackupComplete;

  engine = services.engines.Create(kEngineClassName);
  engine->CompactDatabase(files.Database(), files.CompactedCopy(), kAccdbFormatOption,
                          std::wstring(L";pwd=") + kDatabasePassword);
  // Before the original goes, the compacted copy must be on disk for real.
  fso.Flush(files.CompactedCopy());

  DeleteIfPresent(fso, files.Database());
  stage = RepairStage::kOriginalDeleted;

  fso.Rename(files.CompactedCopy(), files.Database());
  stage = RepairStage::kCompactedInPlace;

  DeleteIfPresent(fso, files.BackupCopy());
  stage = RepairStage::kBackupRemoved;

  DeleteIfPresent(fso, files.LockFile());

  Show(services.messages, SuccessMessage());
}

}  // namespace repair
