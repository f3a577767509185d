#pragma once

#include "repair/repair_run.h"

namespace repair {

enum class SessionSearch {
  kFound,     // Sesi holds the greatest session code
  kRunEnded,  // duplicate or missing session folders were reported
};

// Scans the data root's direct subfolders for session folders and selects the
// greatest session code into state.Sesi.
SessionSearch FindSession(RunState& state, const Services& services);

}  // namespace repair
