#pragma once

#include "platform/database_engine.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/text_case.h"
#include "repair/repair_window.h"
#include "repair/run_state.h"

namespace repair {

// The host services one window lends its runs. They outlive the window.
struct Services {
  platform::FileSystem& fso;
  platform::MessageBoxService& messages;
  platform::TextCase& text_case;
  platform::DatabaseEngineFactory& engines;
  RepairWindow& window;
};

// One click of cmdRepair runs one repair from start to end on the caller's thread.
// The object lives as long as the window and holds its run state.
class RepairRun {
 public:
  explicit RepairRun(Services services) : services_(services) {}

  void cmdRepair_Click();

  const RunState& state() const { return state_; }

 private:
  Services services_;
  RunState state_;
};

}  // namespace repair
