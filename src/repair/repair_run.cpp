#include "repair/repair_run.h"

#include <memory>

#include "platform/failure.h"
#include "repair/compact_and_swap.h"
#include "repair/database_file_set.h"
#include "repair/find_session.h"
#include "repair/kod_sek.h"
#include "repair/messages.h"
#include "repair/recovery.h"

namespace repair {

namespace {

// A school code with a path separator cannot be part of any session folder's
// name; looking it up would reach outside the data root.
bool CanNameAFolder(const std::wstring& kod_sek) {
  return kod_sek.find_first_of(L"\\/") == std::wstring::npos;
}

bool DatabasePresent(const RunState& state, platform::FileSystem& fso) {
  if (!CanNameAFolder(state.KodSek)) return false;
  return !fso.Dir(DatabaseFileSet(state.FolderData, state.Sesi).Database()).empty();
}

}  // namespace

void RepairRun::cmdRepair_Click() {
  RepairStage stage = RepairStage::kNothingTouched;
  // Held until the run ends, whichever way it ends.
  std::unique_ptr<platform::DatabaseEngine> engine;
  try {
    if (TrimSpaces(services_.window.KodSekText()).empty()) {
      Show(services_.messages, KodSekMissingMessage());
      services_.window.FocusKodSek();
      return;
    }
    state_.KodSek.clear();
    state_.KodSek = NormaliseKodSek(TrimSpaces(services_.window.KodSekText()), services_.text_case);

    if (FindSession(state_, services_) == SessionSearch::kFound) {
      state_.FolderData = FolderDataFor(state_.Sesi, state_.KodSek);
      if (DatabasePresent(state_, services_.fso)) {
        CompactAndSwap(state_, services_, stage, engine);
      } else {
        Show(services_.messages, DatabaseMissingMessage(state_.Sesi));
      }
    }
  } catch (const platform::Failure& failure) {
    RecoverFromFailure(failure, state_, services_, stage);
  }
  services_.window.Close();
}

}  // namespace repair
