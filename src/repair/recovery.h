#pragma once

#include "platform/failure.h"
#include "repair/repair_run.h"
#include "repair/repair_stage.h"

namespace repair {

// Where the run's trap lands: leaves the school's database whole at its path,
// removes what the run half-made, and tells the user what went wrong. The
// caller closes the window afterwards.
void RecoverFromFailure(const platform::Failure& failure, const RunState& state,
                        const Services& services, RepairStage stage);

}  // namespace repair
