#pragma once

#include <memory>

#include "platform/database_engine.h"
#include "repair/repair_run.h"
#include "repair/repair_stage.h"

namespace repair {

inline constexpr wchar_t kEngineClassName[] = L"DAO.DBEngine.120";
// The engine's flag for its version-12 (.accdb) file format.
inline constexpr std::int16_t kAccdbFormatOption = 128;

// Backs up the session's database, has the engine write a compacted copy, swaps
// it into place and clears the companion files. `stage` follows every step, and
// `engine` keeps the engine object alive until the run ends.
void CompactAndSwap(const RunState& state, const Services& services, RepairStage& stage,
                    std::unique_ptr<platform::DatabaseEngine>& engine);

}  // namespace repair
